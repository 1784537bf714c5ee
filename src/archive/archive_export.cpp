#include "archive/archive_export.h"

#include "download/block_csv.h"
#include "download/download_texts.h"

namespace korven {

namespace {

QStringList headerOf(const RecordedChannels& channels) {
    QStringList fields{download_texts::csvBlock, download_texts::csvMoment};
    for (int n = 0; n < kAnalogChannels; ++n)
        fields.append(headingOf(channels[n], n));
    fields << download_texts::csvDigital1 << download_texts::csvDigital2;
    return fields;
}

RecordedChannels channelsOf(const ArchivedBlock& block) {
    RecordedChannels channels;
    for (int n = 0; n < kAnalogChannels; ++n) {
        channels[n].description = block.channels[n].description;
        channels[n].unit = block.channels[n].unit;
    }
    return channels;
}

} // namespace

QStringList archiveCsvFields(const ArchivedBlock& block) {
    QStringList fields{QString::number(block.block), archiveTime(block.loggedAt)};
    for (const ArchivedChannel& channel : block.channels)
        fields.append(channel.value);
    fields << block.digital1 << block.digital2;
    return fields;
}

FileStatus writeArchiveCsv(ArchiveStore& store, const ArchivePeriod& period,
                           const RecordedChannels& channels, QIODevice& out, int& blocks) {
    blocks = 0;
    QString writeError;
    const FileStatus read = store.forEachBlock(period, [&](const ArchivedBlock& block) {
        QByteArray lines;
        if (blocks == 0)
            lines = csvLine(headerOf(channelsOf(block)));
        lines += csvLine(archiveCsvFields(block));
        if (out.write(lines) != lines.size()) {
            writeError = out.errorString();
            return false;
        }
        ++blocks;
        return true;
    });
    if (!read)
        return read;
    if (!writeError.isEmpty())
        return FileStatus::failure(writeError);
    if (blocks == 0) {
        const QByteArray header = csvLine(headerOf(channels));
        if (out.write(header) != header.size())
            return FileStatus::failure(out.errorString());
    }
    return {};
}

} // namespace korven
