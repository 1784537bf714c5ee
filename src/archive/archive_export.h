#pragma once

#include "archive/archive_store.h"
#include "download/download_setup.h"

#include <QIODevice>

namespace korven {

// The archive's blocks of `period` as the CSV of "Esporta CSV", in time
// order, written to `out` as they are read: the memory holds one block
// whatever the period. The header names the channels as the first block
// has them, or as `channels` has them when the period is empty.
FileStatus writeArchiveCsv(ArchiveStore& store, const ArchivePeriod& period,
                           const RecordedChannels& channels, QIODevice& out, int& blocks);

// The values of one block as a line of that CSV.
QStringList archiveCsvFields(const ArchivedBlock& block);

} // namespace korven
