#include "download/download_setup.h"

#include "download/download_texts.h"
#include "logger_setup/channel_tables.h"
#include "platform/file_commit.h"
#include "platform/numeric_text.h"

namespace korven {

FileStatus readDigitalInputFlags(Installation& installation, DigitalInputFlags& flags) {
    Record& par = installation.loggerRecords.par;
    const FileStatus status =
        RecordFile(parFilePath(installation.loggerSetupPath), LoggerParLayout::recordLength)
            .readExisting(1, par);
    flags.input1 = par.text(LoggerParLayout::digital1Flag) == kFlagOn;
    flags.input2 = par.text(LoggerParLayout::digital2Flag) == kFlagOn;
    return status;
}

FileStatus readRecordedChannels(Installation& installation, RecordedChannels& channels) {
    Record& record = installation.loggerRecords.channel;
    const RecordFile file(channelFilePath(installation.loggerSetupPath),
                          LoggerChannelLayout::recordLength);
    for (int n = 0; n < kAnalogChannels; ++n) {
        if (FileStatus status = file.readExisting(n + 1, record); !status)
            return status;
        RecordedChannel& channel = channels[n];
        // A set never edited holds zero bytes here; they head nothing.
        channel.description = record.trimmedText(LoggerChannelLayout::description).remove(QChar(0));
        channel.unit = unitText(record.text(LoggerChannelLayout::unit)).value_or(QString());
        const int decimals = digitValue(record.text(LoggerChannelLayout::decimals));
        channel.decimals = maskText(decimals) ? decimals : 0;
        channel.active = record.text(LoggerChannelLayout::activeFlag) == kFlagOn;
    }
    return {};
}

QString headingOf(const RecordedChannel& channel, int number) {
    const QString name = channel.description.isEmpty() ? download_texts::unnamedChannel.arg(number)
                                                       : channel.description;
    return channel.unit.isEmpty() ? name : download_texts::channelWithUnit.arg(name, channel.unit);
}

BlockGrid::Descriptions descriptionsOf(const RecordedChannels& channels) {
    BlockGrid::Descriptions descriptions;
    for (int n = 0; n < kAnalogChannels; ++n)
        descriptions[n] = channels[n].description;
    return descriptions;
}

FileStatus readDownloadPointer(Installation& installation, int& firstBlock) {
    // A save cut short by a killed process is finished before its pointer counts.
    if (FileStatus finished = finishInterruptedCommit(saveJournalPath(installation.systemFilePath));
        !finished)
        return finished;
    Record& downloadPointer = installation.systemRecords.downloadPointer;
    const RecordFile file(downloadPointerFilePath(installation.systemFilePath),
                          DownloadPointerLayout::recordLength);
    if (!file.exists())
        downloadPointer.setBytes({});
    else if (FileStatus status = file.readExisting(1, downloadPointer); !status)
        return status;
    firstBlock = downloadPointer.unsignedInteger(DownloadPointerLayout::lastBlock);
    return {};
}

} // namespace korven
