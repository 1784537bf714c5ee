#pragma once

#include "archive/archived_block.h"
#include "download/block_grid.h"
#include "download/download_setup.h"
#include "platform/file_status.h"
#include "system_setup/installation.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace korven {

// The station an installation's downloads go under when no name is given:
// its system set-up and its logger set-up, "plant/logger".
QString stationOf(const Installation& installation);

// A block from the thirteen cells of a grid row or a table line, with the
// engineering values and the channels' names of `channels`. None for a row
// without a valid logger time: a block the logger never wrote.
std::optional<ArchivedBlock> archivedBlock(const QString& station, const QStringList& cells,
                                           const RecordedChannels& channels);

// The grid rows of blocks `first` to `last` that hold a block.
QList<ArchivedBlock> archivedBlocks(const QString& station, const BlockGrid& grid, int first,
                                    int last, const RecordedChannels& channels);

// What a block table file holds, as blocks for the archive.
struct TableBlocks {
    FileStatus status;
    QList<ArchivedBlock> blocks;
    int withoutTime = 0; // lines of blocks never written, left out
};

// Reads the block table at `path`, refusing a file that is not one (a length
// that is no whole number of lines, a line without its separators).
TableBlocks readTableBlocks(const QString& path, const QString& station,
                            const RecordedChannels& channels);

// The thirteen cells of a table line, blanks and fill taken off.
QStringList tableLineCells(const QByteArray& line);

} // namespace korven
