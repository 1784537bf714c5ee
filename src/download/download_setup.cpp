#include "download/download_setup.h"

namespace korven {

namespace {

const QString kOn = QStringLiteral("ON ");

} // namespace

FileStatus readPortSettings(const QString& systemFilePath, Record& identity,
                            PortSettings& settings) {
    const FileStatus status =
        RecordFile(identityFilePath(systemFilePath), IdentityLayout::recordLength)
            .readExisting(1, identity);
    settings = portSettingsOf(identity);
    return status;
}

FileStatus readDigitalInputFlags(const QString& loggerSetupPath, Record& par,
                                 DigitalInputFlags& flags) {
    const FileStatus status =
        RecordFile(parFilePath(loggerSetupPath), LoggerParLayout::recordLength)
            .readExisting(1, par);
    flags.input1 = par.text(LoggerParLayout::digital1Flag) == kOn;
    flags.input2 = par.text(LoggerParLayout::digital2Flag) == kOn;
    return status;
}

FileStatus readChannelDescriptions(const QString& loggerSetupPath, Record& channel,
                                   BlockGrid::Descriptions& descriptions) {
    const RecordFile file(channelFilePath(loggerSetupPath), LoggerChannelLayout::recordLength);
    for (int n = 0; n < kAnalogChannels; ++n) {
        if (FileStatus status = file.readExisting(n + 1, channel); !status)
            return status;
        // A set never edited holds zero bytes here; they head nothing.
        descriptions[n] = channel.trimmedText(LoggerChannelLayout::description).remove(QChar(0));
    }
    return {};
}

FileStatus readDownloadPointer(const QString& systemFilePath, Record& downloadPointer,
                               int& firstBlock) {
    const RecordFile file(downloadPointerFilePath(systemFilePath),
                          DownloadPointerLayout::recordLength);
    if (!file.exists())
        downloadPointer.setBytes({});
    else if (FileStatus status = file.readExisting(1, downloadPointer); !status)
        return status;
    firstBlock = downloadPointer.integer(DownloadPointerLayout::lastBlock);
    return {};
}

} // namespace korven
