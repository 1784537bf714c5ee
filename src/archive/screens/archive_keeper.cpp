#include "archive/screens/archive_keeper.h"

#include "archive/archive_blocks.h"
#include "archive/archive_store.h"
#include "archive/archive_texts.h"
#include "session/session.h"

namespace korven {

namespace {

FileStatus keepRows(Session& session, const QList<QStringList>& rows, StoredCount& count) {
    RecordedChannels channels;
    if (FileStatus read = readRecordedChannels(session.installation, channels); !read)
        return read;
    const QString station = stationOf(session.installation);
    QList<ArchivedBlock> blocks;
    for (const QStringList& row : rows) {
        if (auto block = archivedBlock(station, row, channels))
            blocks.append(*block);
    }
    ArchiveStore store(*parseArchiveLocation({}, session.programFolder).location);
    FileStatus status = store.open();
    if (status)
        status = store.store(blocks, count);
    return status;
}

} // namespace

std::function<void(const QList<QStringList>& rows)> archiveKeeper(Session& session) {
    return [&session](const QList<QStringList>& rows) {
        StoredCount count;
        if (const FileStatus kept = keepRows(session, rows, count); !kept)
            session.prompter.message(archive_texts::notArchived.arg(kept.namedError()),
                                     MessageIcon::Critical);
        else
            session.prompter.message(archive_texts::archived.arg(count.added).arg(count.present),
                                     MessageIcon::Exclamation);
    };
}

} // namespace korven
