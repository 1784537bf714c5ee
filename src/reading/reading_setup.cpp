#include "reading/reading_setup.h"

#include "logger_setup/logger_setup_files.h"
#include "system_setup/system_channel_layout.h"

#include <QStringList>

namespace korven {

namespace {

const QString kOff = QStringLiteral("OFF");

// The masks by index; the last one places no point when a value is shown.
const QStringList kMasks{QStringLiteral("*****."), QStringLiteral("****.*"),
                         QStringLiteral("***.**"), QStringLiteral("**.***"),
                         QStringLiteral("*.****"), QStringLiteral(".*****")};

// A field never written holds zero bytes, which describe nothing.
QString trimmed(const Record& record, TextField field) {
    return record.trimmedText(field).remove(QChar(0));
}

void takeChannel(const Record& record, ReadingChannel& channel) {
    using L = SystemChannelLayout;
    channel.description = trimmed(record, L::description);
    channel.unit = trimmed(record, L::unit);
    channel.treatmentCode = record.text(L::treatmentCode);
    channel.gain = record.text(L::gain);
    channel.zero = record.text(L::zero);
    channel.active = record.text(L::activation) != kOff;
    const int maskIndex = record.integer(L::decimalMaskIndex);
    if (maskIndex >= 0 && maskIndex < kMasks.size())
        channel.mask = kMasks.at(maskIndex);
}

} // namespace

ReadingSetupStatus readReadingSetup(Installation& installation, ReadingSetup& setup) {
    const RecordFile par(parFilePath(installation.loggerSetupPath), LoggerParLayout::recordLength);
    Record& general = installation.loggerRecords.par;
    if (FileStatus status = par.readExisting(1, general); !status)
        return {status, par.path()};
    setup.channelCount = channelCountOf(general);
    setup.digital1Active = general.text(LoggerParLayout::digital1Flag) != kOff;
    setup.digital2Active = general.text(LoggerParLayout::digital2Flag) != kOff;

    const RecordFile system(installation.systemFilePath, SystemChannelLayout::recordLength);
    Record& record = installation.systemRecords.channel;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        if (FileStatus status = system.readExisting(channel + 1, record); !status)
            return {status, system.path()};
        takeChannel(record, setup.channels[channel]);
    }

    if (FileStatus status = readPortSettings(installation, setup.port); !status)
        return {status, identityFilePath(installation.systemFilePath)};
    return {};
}

} // namespace korven
