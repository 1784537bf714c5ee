#pragma once

namespace korven::sim {

class HayesModem;
class LoggerBrain;
class PseudoTerminal;
class SetupFile;
struct ServeOptions;

// What sits at the far end of the line: the logger, with a modem in front of
// it when `modem` is given, and a file that keeps what the logger holds when
// `setupFile` is given.
struct FarEnd {
    LoggerBrain& logger;
    HayesModem* modem = nullptr;
    SetupFile* setupFile = nullptr;
};

// Feeds what the client sends to the far end and puts its replies on the line
// at their time, until `stopDescriptor` becomes readable. Sleeps in poll()
// between events, so an idle simulator costs no CPU. Returns the exit code.
int serve(PseudoTerminal& terminal, FarEnd farEnd, const ServeOptions& options, int stopDescriptor);

} // namespace korven::sim
