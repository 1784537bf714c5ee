#pragma once

#include "archive/archive_location.h"
#include "archive/archived_block.h"
#include "platform/file_status.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

namespace korven {

// Which blocks a question to the archive is about: a station (empty for
// every one) and a period of logger time (an invalid end is open).
struct ArchivePeriod {
    QString station;
    QDateTime from;
    QDateTime to;
};

// A station as the archive knows it: its first and last block and how many
// blocks it holds.
struct ArchivedStation {
    QString name;
    int firstBlock = 0;
    QDateTime firstAt;
    int lastBlock = 0;
    QDateTime lastAt;
    int blocks = 0;
};

// What storing blocks did: how many were new, and how many the archive held
// already (and kept as they were).
struct StoredCount {
    int added = 0;
    int present = 0;
};

// The archive: every block ever downloaded, once. One code path for both
// databases, through Qt's SQL drivers. The schema is the program's own and
// carries its version; an archive of a newer version is refused.
class ArchiveStore {
public:
    explicit ArchiveStore(const ArchiveLocation& location);
    ~ArchiveStore();
    ArchiveStore(const ArchiveStore&) = delete;
    ArchiveStore& operator=(const ArchiveStore&) = delete;

    // Connects, and creates the schema in an archive that has none yet.
    FileStatus open();
    const ArchiveLocation& location() const { return location_; }

    // Stores the blocks in one transaction: all of them, or (on a failure)
    // none. A block the archive holds already is left as it is.
    FileStatus store(const QList<ArchivedBlock>& blocks, StoredCount& count);
    // The same for blocks handed over one at a time by `next` until it gives
    // none: only the block under way is held.
    FileStatus store(const std::function<std::optional<ArchivedBlock>()>& next, StoredCount& count);

    // The blocks of the period in time order (a station's blocks together
    // when the period names none), one at a time: `take` returning false
    // ends the walk. Nothing is held but the block under way.
    FileStatus forEachBlock(const ArchivePeriod& period,
                            const std::function<bool(const ArchivedBlock&)>& take);
    // The same for only the station, number and time of each block.
    FileStatus forEachMoment(
        const ArchivePeriod& period,
        const std::function<void(const QString& station, int block, const QDateTime& at)>& take);

    FileStatus stations(QList<ArchivedStation>& found);

private:
    FileStatus failure(const QString& why) const;
    FileStatus failureOf(const class QSqlQuery& query) const;
    FileStatus prepareSchema();
    FileStatus commitOrRollBack();
    FileStatus createSchema();

    ArchiveLocation location_;
    QString connection_;
    QSqlDatabase database_;
};

} // namespace korven
