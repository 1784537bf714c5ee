#pragma once

#include "link/conversation.h"

namespace korven {

struct LastBlockQuery {
    // WrongAnswer: something other than "!" answered the address byte;
    // BadReply: the status reply has no block number where it belongs.
    LinkStatus status = LinkStatus::NoAnswer;
    int nextBlock = 0; // the block the logger will write next
};

// Asks the woken logger which block it will write next: the address byte of
// `loggerNumber`, "!", "j", the 47-character status reply, each wait limited
// to five seconds. The limit for the "!" counts from the address byte, or,
// with `restartTicks` false, from the caller's last reset. The port is closed
// and opened again afterwards, which leaves nothing of the reply behind.
// Reports nothing: the callers tell the user in their own way.
LastBlockQuery queryLastBlock(Conversation& conversation, int loggerNumber, bool restartTicks);

} // namespace korven
