#pragma once

#include "korvenctl/command_line.h"

namespace korven {

// korvenctl download: a range of blocks, or every block stored since the last
// automatic download, into a block table.
KorvenctlCommand downloadCommand();

} // namespace korven
