#pragma once

#include "archive/archive_store.h"
#include "download/chart_lines.h"

#include <QAbstractTableModel>
#include <QList>

namespace korven {

// The archived blocks of a period as the "Archivio" grid shows them: block
// number, logger time, the eight channels in engineering form under their
// description and unit, and the two digital inputs.
class ArchiveTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        BlockColumn = 0,
        TimeColumn = 1,
        FirstChannelColumn = 2,
        Digital1Column = FirstChannelColumn + kAnalogChannels,
        Digital2Column,
        ColumnCount
    };

    explicit ArchiveTable(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Reads the blocks of `period` from `store` in place of those shown.
    FileStatus load(ArchiveStore& store, const ArchivePeriod& period);
    const QList<ArchivedBlock>& blocks() const { return blocks_; }
    const ArchivePeriod& period() const { return period_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<ArchivedBlock> blocks_;
    ArchivePeriod period_;
};

// A chart line per channel of the blocks with a description (every channel
// when none has one), in engineering values against the logger time.
QList<ChartLine> archiveChartLines(const QList<ArchivedBlock>& blocks);

} // namespace korven
