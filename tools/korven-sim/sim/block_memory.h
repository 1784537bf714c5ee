#pragma once

#include <QDateTime>

#include <optional>

namespace korven::sim {

// The logger's block memory: a ring of 4096 blocks, numbered on from 0 since
// the last memory reset. Only the count and the time of the newest block are
// kept; a block's contents follow from its time.
class BlockMemory {
public:
    static constexpr int kCapacity = 4096;
    // The block pointer travels as two bytes.
    static constexpr int kHighestBlockCount = 0xFFFF;
    // Blocks were written this far apart.
    static constexpr int kIntervalSeconds = 600;

    // `blocks` blocks, the newest written at the last whole ten minutes
    // before `now`.
    BlockMemory(int blocks, const QDateTime& now);

    int nextBlock() const { return nextBlock_; }
    void clear() { nextBlock_ = 0; }

    // The stored block a request names by its number modulo 4096: the one the
    // ring still holds, if any.
    std::optional<int> find(int numberModulo) const;
    QDateTime timeOf(int block) const;

private:
    int nextBlock_;
    QDateTime newestTime_;
};

} // namespace korven::sim
