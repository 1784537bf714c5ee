#include "download/block_csv.h"

#include "download/download_texts.h"
#include "download/engineering_values.h"
#include "platform/whole_file.h"

#include <QStringList>

namespace korven {

namespace {

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QStringList headerFields(const RecordedChannels& channels) {
    QStringList fields{download_texts::csvBlock, download_texts::csvMoment};
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        fields.append(headingOf(channels[channel], channel));
    fields << download_texts::csvDigital1 << download_texts::csvDigital2;
    return fields;
}

QStringList blockFields(const BlockGrid& grid, int row, const RecordedChannels& channels) {
    const QDateTime moment =
        blockMoment(grid.cell(row, BlockGrid::DateColumn), grid.cell(row, BlockGrid::TimeColumn));
    QStringList fields{grid.cell(row, BlockGrid::BlockColumn),
                       moment.isValid() ? moment.toString(Qt::ISODate) : QString()};
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        fields.append(engineeringText(grid.cell(row, BlockGrid::FirstChannelColumn + channel),
                                      channels[channel].decimals));
    fields << grid.cell(row, BlockGrid::Digital1Column)
           << grid.cell(row, BlockGrid::Digital2Column);
    return fields;
}

} // namespace

QByteArray csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',').toUtf8() + "\r\n";
}

bool holdsData(const BlockGrid& grid, int row) {
    return !grid.cell(row, BlockGrid::DateColumn).isEmpty();
}

QList<int> rowsWithData(const BlockGrid& grid, int first, int last) {
    QList<int> rows;
    for (int block = first; block <= last; ++block) {
        if (grid.hasBlock(block) && holdsData(grid, grid.rowOf(block)))
            rows.append(grid.rowOf(block));
    }
    return rows;
}

QByteArray blockCsv(const BlockGrid& grid, int first, int last, const RecordedChannels& channels) {
    QByteArray csv = csvLine(headerFields(channels));
    for (const int row : rowsWithData(grid, first, last))
        csv += csvLine(blockFields(grid, row, channels));
    return csv;
}

CsvExport exportBlockCsv(const QString& path, const BlockGrid& grid, int first, int last,
                         const RecordedChannels& channels) {
    const QByteArray csv = blockCsv(grid, first, last, channels);
    if (const FileStatus status = writeWholeFile(path, csv); !status)
        return {false, 0, status.error};
    return {true, static_cast<int>(rowsWithData(grid, first, last).size()), {}};
}

} // namespace korven
