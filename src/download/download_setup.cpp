#include "download/download_setup.h"

namespace korven {

namespace {

const QString kOn = QStringLiteral("ON ");

} // namespace

FileStatus readDigitalInputFlags(Installation& installation, DigitalInputFlags& flags) {
    Record& par = installation.loggerRecords.par;
    const FileStatus status =
        RecordFile(parFilePath(installation.loggerSetupPath), LoggerParLayout::recordLength)
            .readExisting(1, par);
    flags.input1 = par.text(LoggerParLayout::digital1Flag) == kOn;
    flags.input2 = par.text(LoggerParLayout::digital2Flag) == kOn;
    return status;
}

FileStatus readChannelDescriptions(Installation& installation,
                                   BlockGrid::Descriptions& descriptions) {
    Record& channel = installation.loggerRecords.channel;
    const RecordFile file(channelFilePath(installation.loggerSetupPath),
                          LoggerChannelLayout::recordLength);
    for (int n = 0; n < kAnalogChannels; ++n) {
        if (FileStatus status = file.readExisting(n + 1, channel); !status)
            return status;
        // A set never edited holds zero bytes here; they head nothing.
        descriptions[n] = channel.trimmedText(LoggerChannelLayout::description).remove(QChar(0));
    }
    return {};
}

FileStatus readDownloadPointer(Installation& installation, int& firstBlock) {
    Record& downloadPointer = installation.systemRecords.downloadPointer;
    const RecordFile file(downloadPointerFilePath(installation.systemFilePath),
                          DownloadPointerLayout::recordLength);
    if (!file.exists())
        downloadPointer.setBytes({});
    else if (FileStatus status = file.readExisting(1, downloadPointer); !status)
        return status;
    firstBlock = downloadPointer.integer(DownloadPointerLayout::lastBlock);
    return {};
}

} // namespace korven
