#pragma once

#include "download/block_grid.h"
#include "download/download_setup.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace korven {

// The downloaded blocks as CSV for a spreadsheet (RFC 4180): UTF-8, fields
// separated by commas, numbers with a decimal point, every line ended by
// CR LF, and a field quoted (its quotes doubled) when it holds a comma, a
// quote or a line break. A header line - block, date and time, each channel's
// heading, the two digital inputs - then one line per block that holds data,
// among blocks `first` to `last` of the grid: its number, when it was stored
// (ISO 8601), the eight channels in engineering form and the digital inputs as
// the grid shows them. The block table stays the program's own format; this is
// the one for other programs.
QByteArray blockCsv(const BlockGrid& grid, int first, int last, const RecordedChannels& channels);

struct CsvExport {
    bool written = false;
    int blocks = 0; // the lines after the header
    QString error;

    explicit operator bool() const { return written; }
};

// One line of that CSV.
QByteArray csvLine(const QStringList& fields);

// Writes blockCsv() to `path`, replacing the file whole or not at all.
CsvExport exportBlockCsv(const QString& path, const BlockGrid& grid, int first, int last,
                         const RecordedChannels& channels);

// Whether the grid row holds a fetched block.
bool holdsData(const BlockGrid& grid, int row);
// The rows of blocks `first` to `last` that hold fetched blocks, in order.
QList<int> rowsWithData(const BlockGrid& grid, int first, int last);

} // namespace korven
