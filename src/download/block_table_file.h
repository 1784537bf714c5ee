#pragma once

#include "download/block_grid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace korven {

// The block table: one 104-byte line per block, every field right-aligned to
// its width and followed by ";", the line ended by CR.
struct BlockTableField {
    int column; // the grid column it is taken from
    int width;
    char fill; // what pads it on the left
};

struct BlockTableLayout {
    static constexpr int recordLength = 104;
    static constexpr char separator = ';';
    static constexpr char terminator = '\r';

    static constexpr std::array<BlockTableField, BlockGrid::ColumnCount> fields{{
        {BlockGrid::BlockColumn, 4, '0'},
        {BlockGrid::DateColumn, 8, ' '},
        {BlockGrid::TimeColumn, 8, ' '},
        {BlockGrid::FirstChannelColumn + 0, 7, ' '},
        {BlockGrid::FirstChannelColumn + 1, 7, ' '},
        {BlockGrid::FirstChannelColumn + 2, 7, ' '},
        {BlockGrid::FirstChannelColumn + 3, 7, ' '},
        {BlockGrid::FirstChannelColumn + 4, 7, ' '},
        {BlockGrid::FirstChannelColumn + 5, 7, ' '},
        {BlockGrid::FirstChannelColumn + 6, 7, ' '},
        {BlockGrid::FirstChannelColumn + 7, 7, ' '},
        {BlockGrid::Digital1Column, 7, ' '},
        {BlockGrid::Digital2Column, 7, ' '},
    }};
};

// One line of the table from the thirteen cells of a grid row. A text longer
// than its field keeps its leftmost characters.
QByteArray blockTableRecord(const QStringList& cells);

struct BlockTableSave {
    enum class Outcome { Saved, InvalidName, WriteFailed };
    Outcome outcome = Outcome::Saved;
    QString error;

    explicit operator bool() const { return outcome == Outcome::Saved; }
};

// What becomes of a table already at the path: replaced, or kept with the new
// lines after its own.
enum class TableWrite { Replace, Append };

// Writes the grid rows of blocks `first` to `last` as lines 1, 2, ... of the
// file at `path` (after its old lines, with Append). The file is replaced
// whole: a failure leaves the old table as it was, and an older, longer table
// leaves no lines behind. A name that cannot be written (a folder, a read-only
// file or folder) is InvalidName; a write that fails on the way, WriteFailed.
BlockTableSave saveBlockTable(const QString& path, const BlockGrid& grid, int first, int last,
                              TableWrite mode = TableWrite::Replace);

// The whole new content of the table at `path` that saveBlockTable() writes,
// for a save that commits it together with other files. `path` is the name
// as found (resolveCaseInsensitive()).
BlockTableSave blockTableContent(const QString& path, const BlockGrid& grid, int first, int last,
                                 TableWrite mode, QByteArray& table);

} // namespace korven
