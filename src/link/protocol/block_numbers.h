#pragma once

#include "link/protocol/block_reply.h"

namespace korven {

// The logger counts its blocks with 16 bits, as its status reply tells the
// next one: after block 65535 comes block 0.
inline constexpr int kBlockNumberCount = 65536;
// Its memory is a ring that holds the newest 4096 blocks; a block request
// names one of them.
inline constexpr int kBlocksInMemory = kBlockNumberModulo;

// A block number as the logger has it, 0 to 65535, whatever lap it is on.
constexpr int wrappedBlock(int block) {
    return ((block % kBlockNumberCount) + kBlockNumberCount) % kBlockNumberCount;
}

// How many blocks `to` lies after `from` on the logger's count, taking the
// shorter way round: negative when it lies before.
constexpr int blocksAfter(int from, int to) {
    const int ahead = wrappedBlock(to - from);
    return ahead < kBlockNumberCount / 2 ? ahead : ahead - kBlockNumberCount;
}

} // namespace korven
