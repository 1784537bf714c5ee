#pragma once

#include "korvenctl/command_line.h"

namespace korven {

// korvenctl clock: the logger's clock, the computer's and the drift; with
// --set, the logger's clock set to the computer's and read back.
KorvenctlCommand clockCommand();

} // namespace korven
