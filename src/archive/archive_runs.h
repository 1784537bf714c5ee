#pragma once

#include "archive/archive_store.h"
#include "download/block_grid.h"
#include "download/download_setup.h"
#include "link/unattended.h"
#include "system_setup/installation.h"

#include <QStringList>

namespace korven {

// What the archive's commands take from the program folder's set-up: the
// station its downloads go under and its channels' set-up (decimals,
// descriptions and units).
struct ArchiveSetup {
    Installation installation;
    RecordedChannels channels;
    QString station;
};
FileStatus readArchiveSetup(const QString& programFolder, ArchiveSetup& setup);

// Stores blocks in the archive and tells "N blocks archived in A (M were
// there already)"; why it failed otherwise.
QString archiveBlocks(ArchiveStore& store, const QList<ArchivedBlock>& blocks,
                      const UnattendedOutput& output);

// Saved blocks of a download into the archive, under `station`: the
// download's alsoKeep.
std::function<QString(const BlockGrid&, int, int, const RecordedChannels&)>
keepInArchive(ArchiveStore& store, const QString& station, const UnattendedOutput& output);

// Block tables into the archive, each table in one transaction, the values
// in engineering form by `channels`. Every table is read before anything is
// stored, so a table that is not one stores nothing.
UnattendedEnd importTables(ArchiveStore& store, const QStringList& tables, const QString& station,
                           const RecordedChannels& channels, const UnattendedOutput& output);

// The blocks of `period` as CSV into `csvPath`, whole or not at all, or to
// `standardOutput` when no path is given.
UnattendedEnd exportArchive(ArchiveStore& store, const ArchivePeriod& period,
                            const RecordedChannels& channels, const QString& csvPath,
                            QIODevice& standardOutput, const UnattendedOutput& output);

// One result line per gap: Incomplete when there is any, Done when none.
UnattendedEnd reportGaps(ArchiveStore& store, const ArchivePeriod& period,
                         const UnattendedOutput& output);

// One result line per station: its name, first and last block, count.
UnattendedEnd listStations(ArchiveStore& store, const UnattendedOutput& output);

} // namespace korven
