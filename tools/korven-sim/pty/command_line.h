#pragma once

#include "sim/fault_plan.h"
#include "sim/logger_brain.h"
#include "sim/modem_config.h"

#include "option_reader.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korven::sim {

struct ServeOptions {
    QString linkPath;
    LoggerConfig logger;
    FaultPlan faults;
    std::optional<ModemConfig> modem; // a modem in front of the logger
    QString setupDumpPath;            // where to keep what the logger holds; empty = nowhere
    bool throttle = false;
    bool verbose = false;
};

// Exit statuses: a bad command line is refused with kBadUsage (2); 1 is kept
// for a simulator that could not start or failed while serving.

// Reads the command line (the program name first). Shows the help or the
// version and ends the process with 0 when asked for them; refuses an
// unknown, repeated or malformed option with a message on stderr and ends the
// process with kBadUsage.
ServeOptions parseCommandLine(const QStringList& arguments);

} // namespace korven::sim
