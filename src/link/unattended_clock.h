#pragma once

#include "link/link_reporter.h"
#include "link/unattended.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QString>

#include <optional>

namespace korven {

// A look at a logger's clock, or its setting, run without anyone at the
// screen: a scheduled job keeps a fleet of loggers on time with it.
struct UnattendedClockRequest {
    int loggerNumber = 0; // its address byte is 128 + number; 0 reaches any logger
    bool set = false;     // set the logger's clock to the computer's
    // With `set`: only when the logger is more than this many seconds off.
    std::optional<int> ifDriftOver;
};

// Reads the logger's clock over the port and set-up of the program folder's
// "config.dat" and tells it, the computer's clock and the drift; with `set`,
// sets the clock to the computer's and reads it back. Every file is read
// before the logger is woken; once woken, the logger is put back into
// scanning at the end. The link reports to `reporter`.
UnattendedEnd runUnattendedClock(const QString& programFolder,
                                 const UnattendedClockRequest& request, SerialPort& port,
                                 Ticks& ticks, LinkReporter& reporter,
                                 const UnattendedOutput& output);

} // namespace korven
