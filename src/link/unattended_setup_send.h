#pragma once

#include "link/link_reporter.h"
#include "link/unattended.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QString>

#include <functional>

namespace korven {

// The logger set-up sent without anyone at the screen, from a script.
struct UnattendedSetupSend {
    int loggerNumber = 0; // 0 reaches any logger
    // The sending's progress texts, empty ones left out.
    std::function<void(const QString&)> progress;
};

// Sends the logger set-up that the program folder's "config.dat" names to the
// logger, with the same bytes as the channel editor's "Invio": the set-up
// files and the port settings are read before the logger is woken. The link
// reports to `reporter`; the outcome goes to `output` in one line.
// Done: sent and scanning again; NotRestarted: sent, but not scanning again.
UnattendedEnd runUnattendedSetupSend(const QString& programFolder,
                                     const UnattendedSetupSend& request, SerialPort& port,
                                     Ticks& ticks, LinkReporter& reporter,
                                     const UnattendedOutput& output);

} // namespace korven
