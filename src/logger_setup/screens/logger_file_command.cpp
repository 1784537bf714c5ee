#include "logger_setup/screens/logger_file_command.h"

#include "logger_setup/logger_setup_files.h"
#include "shell/file_failure.h"
#include "shell/modem_check.h"
#include "shell/session.h"
#include "shell/shell_texts.h"

namespace korven {
namespace {

constexpr int kExtensionLength = 4; // ".tmr"

} // namespace

void chooseLoggerSetupFile(Session& session) {
    if (refuseWhileModemConnected(session))
        return;
    const auto chosen = session.files.chooseOpenFile(
        {session.programFolder, QStringLiteral(" FILE (*.tmr)|*.tmr|"), true});
    if (!chosen)
        return;
    session.status.setText(StatusTexts::LoggerFile, QStringLiteral("File KORVEN: ") + *chosen);
    const QString basePath = chosen->chopped(qMin<qsizetype>(kExtensionLength, chosen->size()));
    session.loggerSetupPath = basePath;

    LoggerSetupRecords& records = session.loggerRecords;
    const QString channelPath = channelFilePath(basePath);
    if (!readFirstRecord(session.prompter, channelPath, LoggerChannelLayout::recordLength,
                         records.channel))
        return;
    if (isNewChannelFile(records.channel)) {
        session.prompter.message(shell_texts::newFileReset, MessageIcon::Critical);
        if (reportFileFailure(session.prompter, channelPath, resetNewLoggerSet(basePath, records)))
            return;
    }

    if (const FileStatus saved = session.settings.saveLoggerSetupPath(basePath); !saved)
        session.prompter.message(saved.error, MessageIcon::Critical);
}

} // namespace korven
