#include "session/logger_file_command.h"

#include "logger_setup/logger_setup_files.h"
#include "session/file_failure.h"
#include "session/modem_check.h"
#include "session/session.h"
#include "session/session_texts.h"

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
    session.installation.loggerSetupPath = basePath;

    LoggerSetupRecords& records = session.installation.loggerRecords;
    const QString channelPath = channelFilePath(basePath);
    if (!readFirstRecord(session.prompter, channelPath, LoggerChannelLayout::recordLength,
                         records.channel))
        return;
    if (isNewChannelFile(records.channel)) {
        session.prompter.message(session_texts::newFileReset, MessageIcon::Critical);
        if (reportFileFailure(session.prompter, channelPath, resetNewLoggerSet(basePath, records)))
            return;
    }

    if (const FileStatus saved = session.settings.saveLoggerSetupPath(basePath); !saved)
        session.prompter.message(saved.error, MessageIcon::Critical);
}

} // namespace korven
