#include "shell/startup_loader.h"

#include "link/port_settings.h"
#include "shell/port_probe.h"
#include "shell/session.h"
#include "shell/shell_texts.h"
#include "shell/status_panels.h"

#include <QDir>

namespace korven {
namespace {

bool readSideRecord(const QString& path, Record& record) {
    return bool(RecordFile(path, record.length()).readExisting(1, record));
}

// The loader's steps in their order; false at the first file that cannot be
// read, with the steps before it done.
bool loadInstallation(Session& session) {
    if (!session.settings.load())
        return false;
    session.systemFilePath = session.settings.systemFilePath();
    showSystemFile(session.status, session.systemFilePath);
    // A settings file never written holds zero bytes where the path belongs.
    if (session.systemFilePath.contains(QChar(u'\0')))
        return false;

    SystemSetupRecords& records = session.systemRecords;
    if (!readSideRecord(downloadPointerFilePath(session.systemFilePath), records.downloadPointer))
        return false;
    showDownloadPointer(session.status, records.downloadPointer);

    session.loggerSetupPath = session.settings.loggerSetupPath();
    showLoggerFile(session.status, session.loggerSetupPath);

    if (!readSideRecord(identityFilePath(session.systemFilePath), records.identity))
        return false;
    session.linkFlag = records.identity.text(IdentityLayout::linkFlag);
    session.loggerCount = loggerCountOf(records.identity);
    session.portSettings = portSettingsOf(records.identity);
    session.status.setText(StatusTexts::Port, session.portSettings.portText());
    configurePort(session.port, session.portSettings);
    probeSerialPort(session);
    session.modemMenu.setEnabled(session.linkFlag != QStringLiteral("1"));

    if (!readSideRecord(dataDirectoryFilePath(session.systemFilePath), records.dataDirectory))
        return false;
    session.dataFileName = dataFileNameOf(records.dataDirectory);
    return true;
}

} // namespace

void runStartupLoader(Session& session) {
    if (loadInstallation(session))
        return;
    session.prompter.message(shell_texts::pathNotFound, MessageIcon::Critical);
    session.systemFilePath = QDir(session.programFolder).filePath(shell_texts::fallbackSystemFile);
    session.status.setText(StatusTexts::SystemFile, shell_texts::systemFileMissing);
    session.status.setText(StatusTexts::LoggerFile, shell_texts::loggerFileMissing);
}

} // namespace korven
