#pragma once

#include <QDateTime>

#include <functional>
#include <optional>
#include <vector>

namespace korven::sim {

// The logger's block memory: a ring of 4096 blocks, numbered on from 0 since
// the last memory reset. Blocks are kept as runs written at a steady
// interval (a block's contents follow from its time); while the logger
// records, an open run gains a block at every whole interval of the logger's
// clock - every whole ten minutes, say - counted when asked.
class BlockMemory {
public:
    using Clock = std::function<QDateTime()>;

    static constexpr int kCapacity = 4096;
    // The block pointer travels as two bytes.
    static constexpr int kHighestBlockCount = 0xFFFF;
    // The history found at start was written this far apart.
    static constexpr int kHistoryIntervalSeconds = 600;

    // `blocks` blocks, the newest written at the last whole ten minutes of
    // `clock` now.
    BlockMemory(int blocks, Clock clock);

    int nextBlock() const;
    // Forgets every block; recording, if on, goes on from block 0.
    void clear();

    // From now on a block is written at every whole `intervalSeconds`.
    void startRecording(int intervalSeconds);
    void stopRecording();
    bool isRecording() const { return open_.has_value(); }

    // The stored block a request names by its number modulo 4096: the one the
    // ring still holds, if any.
    std::optional<int> find(int numberModulo) const;
    QDateTime timeOf(int block) const;

private:
    struct Run {
        int first;
        QDateTime firstTime;
        int intervalSeconds;
        int count;
    };
    struct OpenRun {
        int first;
        QDateTime since;
        int intervalSeconds;
    };

    Run settled(const OpenRun& open) const;

    Clock clock_;
    std::vector<Run> runs_;
    std::optional<OpenRun> open_;
};

} // namespace korven::sim
