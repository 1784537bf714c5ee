#include "sim/block_memory.h"

#include <algorithm>
#include <utility>

namespace korven::sim {

namespace {

// Seconds on the logger's own (local) clock face, so that whole intervals
// fall on whole minutes and hours as the logger shows them.
qint64 faceSeconds(const QDateTime& at) {
    return at.toSecsSinceEpoch() + at.offsetFromUtc();
}

qint64 wholeIntervalsUpTo(const QDateTime& at, int intervalSeconds) {
    const qint64 seconds = faceSeconds(at);
    // Rounded down for instants before 1970 as well.
    return seconds >= 0 ? seconds / intervalSeconds
                        : -((-seconds + intervalSeconds - 1) / intervalSeconds);
}

QDateTime lastWholeInterval(const QDateTime& now, int intervalSeconds) {
    const qint64 wholeFace = wholeIntervalsUpTo(now, intervalSeconds) * intervalSeconds;
    return now.addMSecs(-(faceSeconds(now) - wholeFace) * 1000 - now.time().msec());
}

} // namespace

BlockMemory::BlockMemory(int blocks, Clock clock) : clock_(std::move(clock)) {
    const int count = std::clamp(blocks, 0, kHighestBlockCount);
    if (count == 0)
        return;
    const QDateTime newest = lastWholeInterval(clock_(), kHistoryIntervalSeconds);
    runs_.push_back({0, newest.addSecs(-qint64(count - 1) * kHistoryIntervalSeconds),
                     kHistoryIntervalSeconds, count});
}

BlockMemory::Run BlockMemory::settled(const OpenRun& open) const {
    const QDateTime now = clock_();
    const qint64 count =
        std::max<qint64>(0, wholeIntervalsUpTo(now, open.intervalSeconds) -
                                wholeIntervalsUpTo(open.since, open.intervalSeconds));
    const QDateTime first =
        lastWholeInterval(open.since, open.intervalSeconds).addSecs(open.intervalSeconds);
    return {open.first, first, open.intervalSeconds, static_cast<int>(count)};
}

int BlockMemory::nextBlock() const {
    if (open_)
        return open_->first + settled(*open_).count;
    return runs_.empty() ? 0 : runs_.back().first + runs_.back().count;
}

void BlockMemory::clear() {
    runs_.clear();
    if (open_)
        open_ = OpenRun{0, clock_(), open_->intervalSeconds};
}

void BlockMemory::startRecording(int intervalSeconds) {
    stopRecording();
    open_ = OpenRun{nextBlock(), clock_(), intervalSeconds};
}

void BlockMemory::stopRecording() {
    if (!open_)
        return;
    const Run run = settled(*open_);
    if (run.count > 0)
        runs_.push_back(run);
    open_.reset();
}

std::optional<int> BlockMemory::find(int numberModulo) const {
    const int next = nextBlock();
    if (numberModulo < 0 || numberModulo >= kCapacity || next == 0)
        return std::nullopt;
    // The newest block with these low digits; older ones were overwritten.
    const int newest = next - 1;
    const int block = newest - (newest - numberModulo + kCapacity) % kCapacity;
    if (block < 0)
        return std::nullopt;
    return block;
}

QDateTime BlockMemory::timeOf(int block) const {
    std::vector<Run> all = runs_;
    if (open_)
        all.push_back(settled(*open_));
    for (const Run& run : all) {
        if (block >= run.first && block < run.first + run.count)
            return run.firstTime.addSecs(qint64(block - run.first) * run.intervalSeconds);
    }
    return {};
}

} // namespace korven::sim
