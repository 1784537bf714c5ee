#include "bench_setup.h"

#include "link/port_settings.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/record_file.h"
#include "system_setup/settings_file.h"
#include "system_setup/system_setup_files.h"

#include <QDir>

namespace korven::bench {

bool writeProgramFolder(const QString& folder) {
    const QString systemFile = QDir(folder).filePath(QStringLiteral("bench.stp"));
    const QString loggerSetup = QDir(folder).filePath(QStringLiteral("bench"));
    Settings settings(folder);
    if (!settings.saveSystemFilePath(systemFile) || !settings.saveLoggerSetupPath(loggerSetup))
        return false;

    Record identity(IdentityLayout::recordLength);
    storePortSettings({0, 2}, identity);
    Record par(LoggerParLayout::recordLength);
    par.setText(LoggerParLayout::channelCount, QStringLiteral("8"));
    par.setText(LoggerParLayout::digital1Flag, QStringLiteral("ON"));
    par.setText(LoggerParLayout::digital2Flag, QStringLiteral("ON"));
    Record channel(LoggerChannelLayout::recordLength);
    channel.setText(LoggerChannelLayout::description, QStringLiteral("Canale"));
    return RecordFile(identityFilePath(systemFile), IdentityLayout::recordLength)
               .write(1, identity) &&
           RecordFile(parFilePath(loggerSetup), LoggerParLayout::recordLength).write(1, par) &&
           RecordFile(channelFilePath(loggerSetup), LoggerChannelLayout::recordLength)
               .writeRecords(1, QList<QByteArray>(8, channel.bytes()));
}

} // namespace korven::bench
