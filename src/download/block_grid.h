#pragma once

#include "link/protocol/block_reply.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace korven {

// Which digital inputs the logger set-up has switched on; the grid shows only
// those.
struct DigitalInputFlags {
    bool input1 = false;
    bool input2 = false;
};

// The grid of downloaded blocks: one row per block, thirteen columns (block
// number, date, time, the eight channels, the two digital inputs). The header
// is the view's header, so the model rows are the blocks only: block b sits in
// row b - firstBlock().
class BlockGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        BlockColumn = 0,
        DateColumn = 1,
        TimeColumn = 2,
        FirstChannelColumn = 3,
        Digital1Column = FirstChannelColumn + kAnalogChannels,
        Digital2Column,
        ColumnCount
    };
    // The row marked as start or end of the range to save.
    enum class Mark { None, Start, End };
    // Data role giving a row's Mark in the cells that show it (the first three).
    static constexpr int MarkRole = Qt::UserRole + 1;
    // The cells that take the mark's colour.
    static constexpr int kMarkedColumns = 3;

    using Descriptions = std::array<QString, kAnalogChannels>;

    explicit BlockGrid(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Header from the channel descriptions, one empty row per block from
    // `firstBlock` on with its number in the first column; marks cleared.
    void setupBlockGrid(const Descriptions& descriptions, int firstBlock, int blockCount);
    // Empties every cell but the block numbers.
    void clearBlockGrid();
    // Writes a fetched block into its row; the digital inputs only where their
    // flag is on. A block outside the grid is ignored.
    void fillBlockRow(int block, const BlockText& text, DigitalInputFlags flags);

    int firstBlock() const { return firstBlock_; }
    int blockCount() const { return static_cast<int>(rows_.size()); }
    int lastBlock() const { return firstBlock_ + blockCount() - 1; }
    bool hasBlock(int block) const { return block >= firstBlock_ && block <= lastBlock(); }
    int rowOf(int block) const { return block - firstBlock_; }
    int blockAt(int row) const { return firstBlock_ + row; }

    QString cell(int row, int column) const { return rows_.at(row).at(column); }
    QStringList rowCells(int row) const;

    // Moves the start or end mark to `block`'s row; the row it leaves loses
    // its colour.
    void setMark(Mark mark, int block);
    int markedBlock(Mark mark) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    using Row = std::array<QString, ColumnCount>;

    void refreshMarkedCells(int block);

    std::array<QString, ColumnCount> header_;
    std::vector<Row> rows_;
    int firstBlock_ = 0;
    int startMark_ = -1;
    int endMark_ = -1;
};

} // namespace korven
