#pragma once

#include "korvenctl/command_line.h"

namespace korven {

// korvenctl setup send: the logger set-up named in config.dat into a logger.
KorvenctlCommand setupCommand();

} // namespace korven
