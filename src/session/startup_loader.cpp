#include "session/startup_loader.h"

#include "link/port_settings.h"
#include "session/identity.h"
#include "session/port_probe.h"
#include "session/session.h"
#include "session/session_texts.h"
#include "session/status_panels.h"

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
    session.installation.systemFilePath = session.settings.systemFilePath();
    showSystemFile(session.status, session.installation.systemFilePath);
    // A settings file never written holds zero bytes where the path belongs.
    if (session.installation.systemFilePath.contains(QChar(u'\0')))
        return false;

    SystemSetupRecords& records = session.installation.systemRecords;
    if (!readSideRecord(downloadPointerFilePath(session.installation.systemFilePath),
                        records.downloadPointer))
        return false;
    showDownloadPointer(session.status, records.downloadPointer);

    session.installation.loggerSetupPath = session.settings.loggerSetupPath();
    showLoggerFile(session.status, session.installation.loggerSetupPath);

    if (!readSideRecord(identityFilePath(session.installation.systemFilePath), records.identity))
        return false;
    takeIdentity(session);
    session.status.setText(StatusTexts::Port, session.portSettings.portText());
    configurePort(session.port, session.portSettings);
    probeSerialPort(session);
    session.modemMenu.setEnabled(session.linkFlag != QStringLiteral("1"));

    if (!readSideRecord(dataDirectoryFilePath(session.installation.systemFilePath),
                        records.dataDirectory))
        return false;
    session.dataFileName = dataFileNameOf(records.dataDirectory);
    return true;
}

} // namespace

void runStartupLoader(Session& session) {
    if (loadInstallation(session))
        return;
    session.prompter.message(session_texts::pathNotFound, MessageIcon::Critical);
    session.installation.systemFilePath =
        QDir(session.programFolder).filePath(session_texts::fallbackSystemFile);
    session.status.setText(StatusTexts::SystemFile, session_texts::systemFileMissing);
    session.status.setText(StatusTexts::LoggerFile, session_texts::loggerFileMissing);
}

} // namespace korven
