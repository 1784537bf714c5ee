#include "logger_setup/logger_setup_files.h"

#include "platform/numeric_text.h"

namespace korven {

QString channelFilePath(const QString& loggerSetupPath) {
    return resolveCaseInsensitive(loggerSetupPath + QStringLiteral(".tmr"));
}

QString parFilePath(const QString& loggerSetupPath) {
    return resolveCaseInsensitive(loggerSetupPath + QStringLiteral(".par"));
}

FileStatus readGeneralRecord(const QString& loggerSetupPath, Record& par) {
    const RecordFile file(parFilePath(loggerSetupPath), LoggerParLayout::recordLength);
    return file.read(1, par).on(file.path());
}

FileStatus writeGeneralRecord(const QString& loggerSetupPath, const Record& par) {
    const RecordFile file(parFilePath(loggerSetupPath), LoggerParLayout::recordLength);
    return file.write(1, par).on(file.path());
}

int channelCountOf(const Record& par) {
    return static_cast<int>(leadingNumber(par.text(LoggerParLayout::channelCount)));
}

bool isNewChannelFile(const Record& firstChannel) {
    return firstChannel.bytes().at(LoggerChannelLayout::activeFlag.offset) == '\0';
}

FileStatus resetNewLoggerSet(const QString& loggerSetupPath, LoggerSetupRecords& records) {
    using C = LoggerChannelLayout;
    records.channel.setText(C::activeFlag, QStringLiteral("OFF"));
    records.channel.setText(C::zero, QStringLiteral("00000"));
    records.channel.setText(C::inputType, QStringLiteral("0"));
    records.channel.setText(C::decimals, QStringLiteral("0"));
    records.channel.setText(C::supply, QStringLiteral("0"));
    records.channel.setText(C::unit, QStringLiteral("0"));
    const QList<QByteArray> channels(C::channels, records.channel.bytes());
    if (FileStatus status =
            RecordFile(channelFilePath(loggerSetupPath), C::recordLength).writeRecords(1, channels);
        !status)
        return status;

    records.par.setText(LoggerParLayout::memorySize, QStringLiteral("256 K"));
    records.par.setText(LoggerParLayout::channelCount, QStringLiteral("16"));
    return RecordFile(parFilePath(loggerSetupPath), LoggerParLayout::recordLength)
        .writeRecords(1, {records.par.bytes()});
}

} // namespace korven
