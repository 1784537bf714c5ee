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

// A block from the thirteen cells of a grid row or a table line and the
// table's line of it, with the engineering values and the channels' names of
// `channels`. None for a row without a valid logger time: a block the logger
// never wrote.
std::optional<ArchivedBlock> archivedBlock(const QString& station, const QStringList& cells,
                                           const QByteArray& line,
                                           const RecordedChannels& channels);
// The same for a grid row, its table line made from its cells.
std::optional<ArchivedBlock> archivedBlock(const QString& station, const QStringList& cells,
                                           const RecordedChannels& channels);

// The grid rows of blocks `first` to `last` that hold a block.
QList<ArchivedBlock> archivedBlocks(const QString& station, const BlockGrid& grid, int first,
                                    int last, const RecordedChannels& channels);

// A block table file, read whole and checked: a file whose length is no
// whole number of lines, or with a line without its separators, is refused.
struct BlockTableBytes {
    FileStatus status;
    QByteArray bytes;

    int lineCount() const;
    QByteArray line(int n) const;
};
BlockTableBytes readBlockTable(const QString& path);

// The thirteen cells of a table line, blanks and fill taken off.
QStringList tableLineCells(const QByteArray& line);

} // namespace korven
