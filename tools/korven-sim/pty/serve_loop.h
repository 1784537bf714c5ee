#pragma once

namespace korven::sim {

class LoggerBrain;
class PseudoTerminal;
struct ServeOptions;

// Feeds what the client sends to the logger and puts the logger's replies on
// the line at their time, until `stopDescriptor` becomes readable. Sleeps in
// poll() between events, so an idle simulator costs no CPU. Returns the exit
// code.
int serve(PseudoTerminal& terminal, LoggerBrain& brain, const ServeOptions& options,
          int stopDescriptor);

} // namespace korven::sim
