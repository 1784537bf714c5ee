#include "archive/archive_table.h"

#include "archive/archive_export.h"
#include "download/download_setup.h"
#include "download/download_texts.h"

namespace korven {

namespace {

QString channelHeading(const ArchivedChannel& channel, int number) {
    return headingOf(RecordedChannel{channel.description, channel.unit}, number);
}

} // namespace

FileStatus ArchiveTable::load(ArchiveStore& store, const ArchivePeriod& period) {
    QList<ArchivedBlock> blocks;
    const FileStatus read = store.forEachBlock(period, [&blocks](const ArchivedBlock& block) {
        blocks.append(block);
        return true;
    });
    beginResetModel();
    blocks_ = read ? blocks : QList<ArchivedBlock>();
    period_ = period;
    endResetModel();
    return read;
}

int ArchiveTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(blocks_.size());
}

int ArchiveTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= blocks_.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const ArchivedBlock& block = blocks_[index.row()];
    const int column = index.column();
    if (column == TimeColumn)
        return block.loggedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return archiveCsvFields(block).value(column);
}

QVariant ArchiveTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case BlockColumn:
        return download_texts::csvBlock;
    case TimeColumn:
        return download_texts::csvMoment;
    case Digital1Column:
        return download_texts::csvDigital1;
    case Digital2Column:
        return download_texts::csvDigital2;
    default: {
        const int channel = section - FirstChannelColumn;
        return blocks_.isEmpty() ? channelHeading(ArchivedChannel{}, channel)
                                 : channelHeading(blocks_.first().channels[channel], channel);
    }
    }
}

QList<ChartLine> archiveChartLines(const QList<ArchivedBlock>& blocks) {
    QList<ChartLine> lines;
    if (blocks.isEmpty())
        return lines;
    const auto& first = blocks.first().channels;
    const bool anyNamed = std::any_of(first.begin(), first.end(), [](const ArchivedChannel& c) {
        return !c.description.isEmpty();
    });
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        if (!anyNamed || !first[channel].description.isEmpty())
            lines.append({channel, channelHeading(first[channel], channel), {}});
    }
    for (const ArchivedBlock& block : blocks) {
        const double at = double(shownTime(block.loggedAt).toMSecsSinceEpoch());
        for (ChartLine& line : lines) {
            bool number = false;
            const double value = block.channels[line.channel].value.toDouble(&number);
            if (number)
                line.points.append(QPointF(at, value));
        }
    }
    return lines;
}

} // namespace korven
