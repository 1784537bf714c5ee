#include "system_setup/system_file_reset.h"

namespace korven {

void fillNewSystemChannel(Record& channel, int n) {
    using L = SystemChannelLayout;
    channel.setInteger(L::channelIndex, static_cast<qint16>(n));
    channel.setText(L::moduleCode, QStringLiteral("000"));
    channel.setText(L::moduleChannel, QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')));
    channel.setText(L::activation, QStringLiteral("OFF"));
    channel.setText(L::upperValue, QStringLiteral("+10000"));
    channel.setText(L::lowerValue, QStringLiteral("-10000"));
    channel.setText(L::treatmentCode, QStringLiteral("0"));
    channel.setText(L::gain, QStringLiteral("+20000"));
    channel.setText(L::zero, QStringLiteral("+00000"));
    channel.setInteger(L::decimalMaskIndex, 3);
    channel.setText(L::description, QString());
    channel.setText(L::unit, QStringLiteral("Volt"));
    channel.setText(L::reservedCode1, QStringLiteral("0"));
    channel.setText(L::reservedCode2, QStringLiteral("00"));
    channel.setText(L::reservedCode3, QStringLiteral("00"));
    channel.setText(L::reservedCode4, QStringLiteral("00"));
    channel.setText(L::reservedCode5, QStringLiteral("00"));
    channel.setInteger(L::spareWord, 0);
}

void applyIdentityDefaults(Record& identity) {
    using L = IdentityLayout;
    identity.setText(L::unused0, QStringLiteral("00"));
    identity.setText(L::unused2, QStringLiteral("00"));
    identity.setText(L::unused4, QStringLiteral("0"));
    identity.setText(L::unused5, QStringLiteral("00"));
    identity.setText(L::unused7, QStringLiteral("00"));
    identity.setText(L::unused9, QStringLiteral("0"));
    identity.setText(L::unused10, QStringLiteral("00"));
    identity.setText(L::loggerCount, QStringLiteral("1"));
    identity.setText(L::unused19, QString());
    identity.setText(L::comIndex, QStringLiteral("0"));
    identity.setText(L::speedIndex, QStringLiteral("2"));
    identity.setText(L::linkFlag, QStringLiteral("1"));
    identity.setText(L::modemInit1, QStringLiteral("AT&D0&K0&R1"));
    identity.setText(L::modemInit2, QStringLiteral("AT&C0"));
    identity.setText(L::modemInit3, QStringLiteral("ATX1"));
}

FileStatus resetSystemFile(const QString& systemFilePath, SystemSetupRecords& records) {
    QList<QByteArray> channels;
    channels.reserve(SystemChannelLayout::newFileRecords);
    for (int n = 0; n < SystemChannelLayout::newFileRecords; ++n) {
        fillNewSystemChannel(records.channel, n);
        channels.append(records.channel.bytes());
    }
    if (FileStatus status = RecordFile(systemFilePath, SystemChannelLayout::recordLength)
                                .writeRecords(1, channels);
        !status)
        return status;

    const RecordFile identityFile(identityFilePath(systemFilePath), IdentityLayout::recordLength);
    applyIdentityDefaults(records.identity);
    if (FileStatus status = identityFile.write(1, records.identity); !status)
        return status;

    const RecordFile dataDirectoryFile(dataDirectoryFilePath(systemFilePath),
                                       DataDirectoryLayout::recordLength);
    if (FileStatus status = dataDirectoryFile.read(1, records.dataDirectory); !status)
        return status;
    records.dataDirectory.setText(DataDirectoryLayout::dataFileName, QStringLiteral("dati.prn"));
    if (FileStatus status = dataDirectoryFile.write(1, records.dataDirectory); !status)
        return status;

    return identityFile.read(1, records.identity);
}

} // namespace korven
