#include "download/block_grid.h"

#include "link/protocol/block_numbers.h"

namespace korven {

void BlockGrid::setupBlockGrid(const Descriptions& descriptions, int firstBlock, int blockCount) {
    beginResetModel();
    header_[BlockColumn] = QStringLiteral("BLOCK");
    header_[DateColumn] = QStringLiteral("D A T E");
    header_[TimeColumn] = QStringLiteral("T I M E");
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        header_[FirstChannelColumn + channel] = descriptions[channel];
    header_[Digital1Column] = QStringLiteral("digit 1");
    header_[Digital2Column] = QStringLiteral("digit 2");

    firstBlock_ = firstBlock;
    rows_.assign(std::max(blockCount, 0), Row{});
    for (int row = 0; row < this->blockCount(); ++row)
        rows_[row][BlockColumn] = QString::number(wrappedBlock(blockAt(row)));
    startMark_ = -1;
    endMark_ = -1;
    endResetModel();
}

void BlockGrid::clearBlockGrid() {
    if (rows_.empty())
        return;
    for (Row& row : rows_) {
        for (int column = DateColumn; column < ColumnCount; ++column)
            row[column].clear();
    }
    Q_EMIT dataChanged(index(0, DateColumn), index(blockCount() - 1, ColumnCount - 1));
}

void BlockGrid::fillBlockRow(int block, const BlockText& text, DigitalInputFlags flags) {
    if (!hasBlock(block))
        return;
    Row& row = rows_[rowOf(block)];
    row[DateColumn] = text.date;
    row[TimeColumn] = text.time;
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        row[FirstChannelColumn + channel] = text.channels[channel];
    if (flags.input1)
        row[Digital1Column] = text.digital1;
    if (flags.input2)
        row[Digital2Column] = text.digital2;
    Q_EMIT dataChanged(index(rowOf(block), DateColumn), index(rowOf(block), ColumnCount - 1));
}

QStringList BlockGrid::rowCells(int row) const {
    const Row& cells = rows_.at(row);
    return QStringList(cells.begin(), cells.end());
}

void BlockGrid::setMark(Mark mark, int block) {
    if (mark == Mark::None)
        return;
    int& marked = mark == Mark::Start ? startMark_ : endMark_;
    const int previous = std::exchange(marked, block);
    refreshMarkedCells(previous);
    refreshMarkedCells(block);
}

int BlockGrid::markedBlock(Mark mark) const {
    switch (mark) {
    case Mark::Start:
        return startMark_;
    case Mark::End:
        return endMark_;
    case Mark::None:
        break;
    }
    return -1;
}

void BlockGrid::refreshMarkedCells(int block) {
    if (hasBlock(block))
        Q_EMIT dataChanged(index(rowOf(block), 0), index(rowOf(block), kMarkedColumns - 1),
                           {MarkRole});
}

int BlockGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : blockCount();
}

int BlockGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BlockGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= blockCount())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()][index.column()];
    if (role == MarkRole && index.column() < kMarkedColumns) {
        // The end mark is painted last, so it shows when both marks share a row.
        const int block = blockAt(index.row());
        if (block == endMark_)
            return QVariant::fromValue(static_cast<int>(Mark::End));
        if (block == startMark_)
            return QVariant::fromValue(static_cast<int>(Mark::Start));
    }
    return {};
}

QVariant BlockGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return header_[section];
    return {};
}

} // namespace korven
