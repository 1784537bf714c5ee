#include "archive/archive_gaps.h"

#include "link/protocol/block_numbers.h"

#include <QHash>

#include <cmath>

namespace korven {

namespace {

struct Neighbour {
    QString station;
    int block = 0;
    QDateTime at;
};

// Walks the blocks in order, handing each pair of neighbours of one station
// to `pair`.
class NeighbourWalk {
public:
    explicit NeighbourWalk(std::function<void(const Neighbour&, const Neighbour&)> pair)
        : pair_(std::move(pair)) {}

    void take(const QString& station, int block, const QDateTime& at) {
        Neighbour next{station, block, at};
        if (started_ && previous_.station == station)
            pair_(previous_, next);
        previous_ = std::move(next);
        started_ = true;
    }

private:
    std::function<void(const Neighbour&, const Neighbour&)> pair_;
    Neighbour previous_;
    bool started_ = false;
};

int numberStep(const Neighbour& before, const Neighbour& after) {
    return wrappedBlock(after.block - before.block);
}

} // namespace

FileStatus findGaps(ArchiveStore& store, const ArchivePeriod& period, QList<ArchiveGap>& gaps) {
    // First pass: each station's scan interval.
    QHash<QString, QHash<qint64, int>> steps;
    NeighbourWalk intervals([&steps](const Neighbour& before, const Neighbour& after) {
        if (numberStep(before, after) == 1)
            ++steps[after.station][before.at.secsTo(after.at)];
    });
    if (FileStatus read = store.forEachMoment(
            period, [&intervals](auto&&... block) { intervals.take(block...); });
        !read)
        return read;
    QHash<QString, qint64> interval;
    for (auto station = steps.cbegin(); station != steps.cend(); ++station) {
        qint64 commonest = 0;
        int seen = 0;
        for (auto step = station->cbegin(); step != station->cend(); ++step) {
            if (step.value() > seen && step.key() > 0)
                std::tie(commonest, seen) = std::pair(step.key(), step.value());
        }
        interval[station.key()] = commonest;
    }

    // Second pass: the gaps.
    gaps.clear();
    NeighbourWalk finder([&](const Neighbour& before, const Neighbour& after) {
        qint64 missing = numberStep(before, after) - 1;
        if (missing < 0)
            missing += kBlockNumberCount; // the same number again: a whole lap later
        if (const qint64 scan = interval.value(after.station); scan > 0) {
            const qint64 byTime = before.at.secsTo(after.at) / scan - 1;
            const qint64 laps = std::llround(double(byTime - missing) / double(kBlockNumberCount));
            if (laps > 0)
                missing += laps * kBlockNumberCount;
        }
        if (missing > 0)
            gaps.append({after.station, before.block, before.at, after.block, after.at, missing});
    });
    return store.forEachMoment(period, [&finder](auto&&... block) { finder.take(block...); });
}

QString gapLine(const ArchiveGap& gap) {
    return QStringLiteral("%1: %2 blocks missing between block %3 (%4) and block %5 (%6)")
        .arg(gap.station)
        .arg(gap.missing)
        .arg(gap.afterBlock)
        .arg(archiveTime(gap.afterAt))
        .arg(gap.beforeBlock)
        .arg(archiveTime(gap.beforeAt));
}

} // namespace korven
