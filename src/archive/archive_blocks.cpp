#include "archive/archive_blocks.h"

#include "download/block_csv.h"
#include "download/block_table_file.h"
#include "download/engineering_values.h"
#include "link/protocol/block_numbers.h"
#include "platform/whole_file.h"
#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>

namespace korven {

namespace {

// Each field's place on the line: the widths before it and their separators.
int fieldOffset(int field) {
    int offset = 0;
    for (int n = 0; n < field; ++n)
        offset += BlockTableLayout::fields[n].width + 1;
    return offset;
}

bool isTableLine(const QByteArray& line) {
    if (line.size() != BlockTableLayout::recordLength ||
        line.back() != BlockTableLayout::terminator)
        return false;
    for (int field = 0; field < int(BlockTableLayout::fields.size()); ++field) {
        if (line.at(fieldOffset(field) + BlockTableLayout::fields[field].width) !=
            BlockTableLayout::separator)
            return false;
    }
    return true;
}

} // namespace

QString stationOf(const Installation& installation) {
    return QStringLiteral("%1/%2").arg(QFileInfo(installation.systemFilePath).completeBaseName(),
                                       QFileInfo(installation.loggerSetupPath).fileName());
}

std::optional<ArchivedBlock> archivedBlock(const QString& station, const QStringList& cells,
                                           const RecordedChannels& channels) {
    return archivedBlock(station, cells, blockTableRecord(cells), channels);
}

std::optional<ArchivedBlock> archivedBlock(const QString& station, const QStringList& cells,
                                           const QByteArray& line,
                                           const RecordedChannels& channels) {
    const QDateTime moment = blockMoment(cells.value(BlockGrid::DateColumn),
                                         cells.value(BlockGrid::TimeColumn), Qt::UTC);
    bool numbered = false;
    const int number = cells.value(BlockGrid::BlockColumn).toInt(&numbered);
    if (!moment.isValid() || !numbered)
        return std::nullopt;
    ArchivedBlock block;
    block.station = station;
    block.loggedAt = moment;
    block.block = wrappedBlock(number);
    block.digital1 = cells.value(BlockGrid::Digital1Column);
    block.digital2 = cells.value(BlockGrid::Digital2Column);
    for (int n = 0; n < kAnalogChannels; ++n) {
        ArchivedChannel& channel = block.channels[n];
        channel.stored = cells.value(BlockGrid::FirstChannelColumn + n);
        channel.value = engineeringText(channel.stored, channels[n].decimals);
        channel.description = channels[n].description;
        channel.unit = channels[n].unit;
    }
    block.line = line;
    return block;
}

QList<ArchivedBlock> archivedBlocks(const QString& station, const BlockGrid& grid, int first,
                                    int last, const RecordedChannels& channels) {
    QList<ArchivedBlock> blocks;
    for (const int row : rowsWithData(grid, first, last)) {
        if (auto block = archivedBlock(station, grid.rowCells(row), channels))
            blocks.append(*block);
    }
    return blocks;
}

QStringList tableLineCells(const QByteArray& line) {
    QStringList cells;
    for (int field = 0; field < int(BlockTableLayout::fields.size()); ++field) {
        const BlockTableField& layout = BlockTableLayout::fields[field];
        cells.append(fromWindows1252(line.mid(fieldOffset(field), layout.width)).trimmed());
    }
    return cells;
}

int BlockTableBytes::lineCount() const {
    return int(bytes.size() / BlockTableLayout::recordLength);
}

QByteArray BlockTableBytes::line(int n) const {
    return bytes.mid(qsizetype(n) * BlockTableLayout::recordLength, BlockTableLayout::recordLength);
}

BlockTableBytes readBlockTable(const QString& path) {
    BlockTableBytes read;
    if (FileStatus regular = checkRegularOrMissing(path); !regular) {
        read.status = FileStatus::failureOn(path, regular.error);
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.status = FileStatus::failureOn(path, file.errorString());
        return read;
    }
    read.bytes = file.readAll();
    if (read.bytes.size() % BlockTableLayout::recordLength != 0) {
        read.status = FileStatus::failureOn(
            path, QStringLiteral("not a block table: its length is no whole number of %1-byte "
                                 "lines")
                      .arg(BlockTableLayout::recordLength));
        return read;
    }
    for (int n = 0; n < read.lineCount(); ++n) {
        if (!isTableLine(read.line(n))) {
            read.status = FileStatus::failureOn(
                path,
                QStringLiteral("not a block table: line %1 is not a block's line").arg(n + 1));
            return read;
        }
    }
    return read;
}

} // namespace korven
