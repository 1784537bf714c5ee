#pragma once

#include "archive/archive_store.h"

#include <QList>

namespace korven {

// A stretch of blocks missing from the archive between two blocks it holds.
struct ArchiveGap {
    QString station;
    int afterBlock = 0;
    QDateTime afterAt;
    int beforeBlock = 0;
    QDateTime beforeAt;
    qint64 missing = 0;
};

// The missing stretches of each station in `period`. The block numbers say
// how many blocks are missing between two neighbours; since they wrap at
// 65536, the time between them, counted in scan intervals, says how many
// whole laps of numbers went by as well. A station's scan interval is its
// commonest step between blocks with consecutive numbers. A logger that
// stopped scanning for a while leaves no gap: its numbers run on.
FileStatus findGaps(ArchiveStore& store, const ArchivePeriod& period, QList<ArchiveGap>& gaps);

// One line of `archive gaps`.
QString gapLine(const ArchiveGap& gap);

} // namespace korven
