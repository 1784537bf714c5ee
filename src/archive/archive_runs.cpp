#include "archive/archive_runs.h"

#include "archive/archive_blocks.h"
#include "archive/archive_export.h"
#include "archive/archive_gaps.h"
#include "platform/whole_file.h"

namespace korven {

FileStatus readArchiveSetup(const QString& programFolder, ArchiveSetup& setup) {
    FileStatus status = readInstallationSettings(programFolder, setup.installation);
    if (status)
        status = readRecordedChannels(setup.installation, setup.channels);
    setup.station = stationOf(setup.installation);
    return status;
}

namespace {

QString storeBlocks(ArchiveStore& store, const std::function<std::optional<ArchivedBlock>()>& next,
                    const UnattendedOutput& output) {
    StoredCount count;
    if (const FileStatus stored = store.store(next, count); !stored)
        return QStringLiteral("the archive %1 cannot be written: %2")
            .arg(store.location().name(), stored.error);
    output.tellResult(QStringLiteral("%1 blocks archived in %2 (%3 were there already)")
                          .arg(count.added)
                          .arg(store.location().name())
                          .arg(count.present));
    return {};
}

} // namespace

QString archiveBlocks(ArchiveStore& store, const QList<ArchivedBlock>& blocks,
                      const UnattendedOutput& output) {
    qsizetype n = 0;
    return storeBlocks(
        store,
        [&]() -> std::optional<ArchivedBlock> {
            return n < blocks.size() ? std::optional(blocks[n++]) : std::nullopt;
        },
        output);
}

std::function<QString(const BlockGrid&, int, int, const RecordedChannels&)>
keepInArchive(ArchiveStore& store, const QString& station, const UnattendedOutput& output) {
    return [&store, station, output](const BlockGrid& grid, int first, int last,
                                     const RecordedChannels& channels) {
        return archiveBlocks(store, archivedBlocks(station, grid, first, last, channels), output);
    };
}

UnattendedEnd importTables(ArchiveStore& store, const QStringList& tables, const QString& station,
                           const RecordedChannels& channels, const UnattendedOutput& output) {
    QList<BlockTableBytes> read;
    for (const QString& table : tables) {
        read.append(readBlockTable(table));
        if (!read.back().status)
            return output.refuse(UnattendedEnd::BadSetup, read.back().status.namedError());
    }
    for (qsizetype n = 0; n < read.size(); ++n) {
        // Converted line by line as they are stored: a table of any length
        // is held as its bytes only.
        int line = 0;
        int withoutTime = 0;
        const auto next = [&]() -> std::optional<ArchivedBlock> {
            while (line < read[n].lineCount()) {
                const QByteArray bytes = read[n].line(line++);
                if (auto block = archivedBlock(station, tableLineCells(bytes), bytes, channels))
                    return block;
                ++withoutTime;
            }
            return std::nullopt;
        };
        const QString why = storeBlocks(store, next, output);
        if (withoutTime > 0)
            output.tellProblem(QStringLiteral("%1: %2 lines hold no block (no valid date and "
                                              "time) and are left out")
                                   .arg(tables[n])
                                   .arg(withoutTime));
        if (!why.isEmpty())
            return output.refuse(UnattendedEnd::BadSetup, why);
    }
    return UnattendedEnd::Done;
}

UnattendedEnd exportArchive(ArchiveStore& store, const ArchivePeriod& period,
                            const RecordedChannels& channels, const QString& csvPath,
                            QIODevice& standardOutput, const UnattendedOutput& output) {
    if (period.station.isEmpty()) {
        // One CSV is one station's: mixed, the lines would not be in time order.
        QList<ArchivedStation> stations;
        if (const FileStatus found = store.stations(stations); !found)
            return output.refuse(UnattendedEnd::BadSetup, found.namedError());
        if (stations.size() > 1) {
            QStringList names;
            for (const ArchivedStation& station : stations)
                names.append(station.name);
            return output.refuse(UnattendedEnd::BadSetup,
                                 QStringLiteral("the archive holds %1 stations: --station names "
                                                "the one to export (%2)")
                                     .arg(stations.size())
                                     .arg(names.join(QStringLiteral(", "))));
        }
    }
    int blocks = 0;
    FileStatus written;
    FileStatus read;
    if (csvPath.isEmpty()) {
        read = writeArchiveCsv(store, period, channels, standardOutput, blocks);
    } else {
        written = writeWholeFileFrom(csvPath, [&](QIODevice& file) {
            read = writeArchiveCsv(store, period, channels, file, blocks);
            return read ? QString() : read.namedError();
        });
    }
    if (!read)
        return output.refuse(UnattendedEnd::BadSetup, read.namedError());
    if (!written)
        return output.refuse(
            UnattendedEnd::BadSetup,
            QStringLiteral("%1 cannot be written: %2").arg(csvPath, written.error));
    if (!csvPath.isEmpty())
        output.tellResult(QStringLiteral("%1 blocks exported to %2").arg(blocks).arg(csvPath));
    return UnattendedEnd::Done;
}

UnattendedEnd reportGaps(ArchiveStore& store, const ArchivePeriod& period,
                         const UnattendedOutput& output) {
    QList<ArchiveGap> gaps;
    if (const FileStatus found = findGaps(store, period, gaps); !found)
        return output.refuse(UnattendedEnd::BadSetup, found.namedError());
    for (const ArchiveGap& gap : gaps)
        output.tellResult(gapLine(gap));
    return gaps.isEmpty() ? UnattendedEnd::Done : UnattendedEnd::Incomplete;
}

UnattendedEnd listStations(ArchiveStore& store, const UnattendedOutput& output) {
    QList<ArchivedStation> stations;
    if (const FileStatus found = store.stations(stations); !found)
        return output.refuse(UnattendedEnd::BadSetup, found.namedError());
    for (const ArchivedStation& station : stations)
        output.tellResult(QStringLiteral("%1: blocks %2 (%3) to %4 (%5), %6 blocks")
                              .arg(station.name)
                              .arg(station.firstBlock)
                              .arg(archiveTime(station.firstAt))
                              .arg(station.lastBlock)
                              .arg(archiveTime(station.lastAt))
                              .arg(station.blocks));
    return UnattendedEnd::Done;
}

} // namespace korven
