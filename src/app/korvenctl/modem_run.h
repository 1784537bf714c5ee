#pragma once

#include "korvenctl/command_line.h"
#include "korvenctl/console.h"

namespace korven {

// korvenctl --modem: `command` run through the modem of the installation,
// with Ctrl+C and SIGTERM stopping it (as the command stops) and the modem
// hung up afterwards.
UnattendedEnd runCommandThroughModem(const GlobalOptions& options, const KorvenctlCommand& command,
                                     SerialPort& port, SignalledTicks& ticks, Console& console,
                                     LinkReporter& reporter);

} // namespace korven
