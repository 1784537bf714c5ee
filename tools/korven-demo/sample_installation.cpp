#include "sample_installation.h"

#include "logger_setup/logger_setup_files.h"
#include "system_setup/settings_file.h"
#include "system_setup/system_file_reset.h"

#include <QDir>

namespace korven::demo {
namespace {

struct SampleChannel {
    const char* systemDescription; // 20 characters at most
    const char* systemUnit;        // 4 characters at most
    const char* loggerDescription; // 10 characters at most
    const char* inputType;         // input type code
    const char* decimals;
    const char* supply;
    const char* unit; // unit code
};

constexpr SampleChannel kChannels[] = {
    {"Temperatura aria", "°C", "T aria", "C", "1", "1", "4"},
    {"Umidità relativa", "%UR", "Umidita", "B", "1", "4", "2"},
    {"Pressione atmosf.", "hPa", "Pressione", "B", "1", "4", "2"},
    {"Velocità vento", "m/s", "Vento vel", "3", "2", "3", "1"},
    {"Direzione vento", "gr", "Vento dir", "6", "0", "3", "0"},
    {"Radiazione solare", "W/m2", "Radiazione", "0", "1", "0", "1"},
    {"Pioggia", "mm", "Pioggia", "6", "1", "0", "3"},
    {"Tensione batteria", "Volt", "Batteria", "9", "2", "0", "0"},
};

FileStatus writeSystemSetUp(const QString& stp) {
    SystemSetupRecords records;
    if (FileStatus status = resetSystemFile(stp, records); !status)
        return status;
    const RecordFile channels(stp, SystemChannelLayout::recordLength);
    int n = 0;
    for (const SampleChannel& sample : kChannels) {
        using L = SystemChannelLayout;
        fillNewSystemChannel(records.channel, n);
        records.channel.setText(L::moduleCode, QStringLiteral("001"));
        records.channel.setText(L::activation, QStringLiteral("ON "));
        records.channel.setText(L::description, QString::fromUtf8(sample.systemDescription));
        records.channel.setText(L::unit, QString::fromUtf8(sample.systemUnit));
        records.channel.setInteger(L::decimalMaskIndex,
                                   QString::fromLatin1(sample.decimals).toShort());
        if (FileStatus status = channels.write(n + 1, records.channel); !status)
            return status;
        ++n;
    }

    const RecordFile pointer(downloadPointerFilePath(stp), DownloadPointerLayout::recordLength);
    records.downloadPointer.setInteger(DownloadPointerLayout::lastBlock, 120);
    records.downloadPointer.setText(DownloadPointerLayout::lastDownloadDate,
                                    QStringLiteral("04/03/2024"));
    return pointer.write(1, records.downloadPointer);
}

FileStatus writeLoggerSetUp(const QString& basePath) {
    LoggerSetupRecords records;
    if (FileStatus status = resetNewLoggerSet(basePath, records); !status)
        return status;
    using C = LoggerChannelLayout;
    const RecordFile channels(channelFilePath(basePath), C::recordLength);
    int n = 1;
    for (const SampleChannel& sample : kChannels) {
        records.channel.setText(C::description, QString::fromUtf8(sample.loggerDescription));
        records.channel.setText(C::activeFlag, QStringLiteral("ON "));
        records.channel.setText(C::gain, QStringLiteral("+10000"));
        records.channel.setText(C::zero, QStringLiteral("+00000"));
        records.channel.setText(C::inputType, QString::fromLatin1(sample.inputType));
        records.channel.setText(C::decimals, QString::fromLatin1(sample.decimals));
        records.channel.setText(C::supply, QString::fromLatin1(sample.supply));
        records.channel.setText(C::unit, QString::fromLatin1(sample.unit));
        records.channel.setText(C::scalingFlag, QStringLiteral("OFF"));
        records.channel.setText(C::scalingFlagCopy, QStringLiteral("OFF"));
        if (FileStatus status = channels.write(n++, records.channel); !status)
            return status;
    }

    using P = LoggerParLayout;
    records.par.setText(P::channelCount, QStringLiteral("8"));
    records.par.setText(P::scanCode, QStringLiteral("02"));
    records.par.setText(P::sleepFlag, QStringLiteral("0"));
    records.par.setText(P::acquisitionFlag, QStringLiteral("1"));
    records.par.setText(P::digital1Flag, QStringLiteral("ON "));
    records.par.setText(P::digital2Flag, QStringLiteral("OFF"));
    return RecordFile(parFilePath(basePath), P::recordLength).write(1, records.par);
}

} // namespace

FileStatus writeSampleInstallation(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString stp = folder.filePath(QStringLiteral("impianto.stp"));
    const QString loggerBase = folder.filePath(QStringLiteral("stazione"));
    if (FileStatus status = writeSystemSetUp(stp); !status)
        return status;
    if (FileStatus status = writeLoggerSetUp(loggerBase); !status)
        return status;
    // Named relative to the program folder, so the folder can move.
    Settings settings(programFolder);
    if (FileStatus status = settings.saveSystemFilePath(QStringLiteral("impianto.stp")); !status)
        return status;
    return settings.saveLoggerSetupPath(QStringLiteral("stazione"));
}

} // namespace korven::demo
