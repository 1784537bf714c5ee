#include "sim/block_memory.h"

#include <algorithm>

namespace korven::sim {

namespace {

QDateTime lastWholeInterval(const QDateTime& now) {
    const int intervalMs = BlockMemory::kIntervalSeconds * 1000;
    return now.addMSecs(-(now.time().msecsSinceStartOfDay() % intervalMs));
}

} // namespace

BlockMemory::BlockMemory(int blocks, const QDateTime& now)
    : nextBlock_(std::clamp(blocks, 0, kHighestBlockCount)), newestTime_(lastWholeInterval(now)) {}

std::optional<int> BlockMemory::find(int numberModulo) const {
    if (numberModulo < 0 || numberModulo >= kCapacity || nextBlock_ == 0)
        return std::nullopt;
    // The newest block with these low digits; older ones were overwritten.
    const int newest = nextBlock_ - 1;
    const int block = newest - (newest - numberModulo + kCapacity) % kCapacity;
    if (block < 0)
        return std::nullopt;
    return block;
}

QDateTime BlockMemory::timeOf(int block) const {
    const qint64 blocksBack = nextBlock_ - 1 - block;
    return newestTime_.addSecs(-blocksBack * kIntervalSeconds);
}

} // namespace korven::sim
