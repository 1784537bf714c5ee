#pragma once

#include "link/conversation.h"
#include "link/protocol/block_reply.h"

#include <optional>

namespace korven {

// How one block request ended.
enum class BlockOutcome {
    Ok,
    Silent,     // not a character came back within the limit: the line is gone
    CutShort,   // the logger answered, but no "!" or no complete reply came in time
    Malformed,  // the reply ended with its CR, but what came before it is not a block
    Stopped,    // the conversation was asked to stop
    OutOfOrder, // a whole block came, but not one that can follow the block before it
};

struct BlockReply {
    BlockOutcome outcome = BlockOutcome::Silent;
    std::optional<BlockText> block;
};

// Asks the woken logger for block `block`: the address byte, "!" back, the
// block request, and the reply read up to its CR. Each of the two waits is
// limited to five seconds.
BlockReply requestBlock(Conversation& conversation, int block);

} // namespace korven
