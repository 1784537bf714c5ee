#include "sample_installation.h"

#include "logger_setup/logger_setup_files.h"
#include "system_setup/settings_file.h"
#include "system_setup/system_file_reset.h"

#include <QDir>
#include <QStringView>

namespace korven::demo {
namespace {

struct SampleChannel {
    QStringView systemDescription; // 20 characters at most
    QStringView systemUnit;        // 4 characters at most
    QStringView loggerDescription; // 10 characters at most
    QStringView inputType;         // input type code
    QStringView decimals;
    QStringView supply;
    QStringView unit; // unit code
};

constexpr SampleChannel kChannels[] = {
    {u"Temperatura aria", u"°C", u"T aria", u"C", u"2", u"1", u"4"},
    {u"Umidità relativa", u"%UR", u"Umidita", u"B", u"1", u"4", u"2"},
    {u"Pressione atmosf.", u"hPa", u"Pressione", u"B", u"1", u"4", u"2"},
    {u"Velocità vento", u"m/s", u"Vento vel", u"3", u"2", u"3", u"1"},
    {u"Direzione vento", u"gr", u"Vento dir", u"6", u"0", u"3", u"0"},
    {u"Radiazione solare", u"W/m2", u"Radiazione", u"0", u"1", u"0", u"1"},
    {u"Pioggia", u"mm", u"Pioggia", u"6", u"1", u"0", u"3"},
    {u"Tensione batteria", u"Volt", u"Batteria", u"9", u"2", u"0", u"0"},
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
        records.channel.setText(L::description, sample.systemDescription.toString());
        records.channel.setText(L::unit, sample.systemUnit.toString());
        records.channel.setInteger(L::decimalMaskIndex, sample.decimals.toString().toShort());
        // The air temperature probe reads half a degree high: corrected on the
        // PC as A*x+B.
        if (n == 0) {
            records.channel.setText(L::treatmentCode, QStringLiteral("01"));
            records.channel.setText(L::gain, QStringLiteral("+00001"));
            records.channel.setText(L::zero, QStringLiteral("-00050"));
        }
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
        records.channel.setText(C::description, sample.loggerDescription.toString());
        records.channel.setText(C::activeFlag, QStringLiteral("ON "));
        records.channel.setText(C::gain, QStringLiteral("+10000"));
        records.channel.setText(C::zero, QStringLiteral("+00000"));
        records.channel.setText(C::inputType, sample.inputType.toString());
        records.channel.setText(C::decimals, sample.decimals.toString());
        records.channel.setText(C::supply, sample.supply.toString());
        records.channel.setText(C::unit, sample.unit.toString());
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
