#pragma once

#include "korvenctl/command_line.h"

namespace korven {

// korvenctl read: live readings of one channel, or of every active channel
// and the digital inputs, as CSV lines.
KorvenctlCommand readCommand();

} // namespace korven
