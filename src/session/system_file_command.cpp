#include "session/system_file_command.h"

#include "link/port_settings.h"
#include "session/file_failure.h"
#include "session/identity.h"
#include "session/modem_check.h"
#include "session/port_probe.h"
#include "session/session.h"
#include "session/session_texts.h"
#include "session/status_panels.h"
#include "system_setup/system_file_reset.h"

namespace korven {
namespace {

constexpr int kPortCount = 4;
constexpr int kSpeedCount = 3;

bool isNewSystemSetup(const Record& identity) {
    return identity.bytes().at(IdentityLayout::linkFlag.offset) == '\0';
}

// Every COM index the RS232 screen can store, COM 4 included, gets its port
// text and its port number; a value no screen writes leaves both as they were.
void applyPortSettings(Session& session) {
    const PortSettings& port = session.portSettings;
    const bool knownPort = port.comIndex >= 0 && port.comIndex < kPortCount;
    if (knownPort && port.speedIndex >= 0 && port.speedIndex < kSpeedCount)
        session.status.setText(StatusTexts::Port, port.portText());
    // While a screen talks to a logger the port is its own; the next
    // conversation opens it with the settings just read.
    if (session.link.busy())
        return;
    if (knownPort) {
        if (session.port.isOpen())
            session.port.close();
        session.port.setPortNumber(port.portNumber());
    }
    probeSerialPort(session);
}

} // namespace

void chooseSystemFile(Session& session) {
    if (refuseWhileModemConnected(session))
        return;
    const auto chosen = session.files.chooseOpenFile(
        {session.programFolder, QStringLiteral(" FILE (*.stp)|*.stp|"), true});
    if (!chosen)
        return;
    const QString path = *chosen;
    session.installation.systemFilePath = path;
    SystemSetupRecords& records = session.installation.systemRecords;

    const QString identityPath = identityFilePath(path);
    if (!readFirstRecord(session.prompter, identityPath, IdentityLayout::recordLength,
                         records.identity))
        return;
    if (isNewSystemSetup(records.identity)) {
        session.prompter.message(session_texts::newFileReset, MessageIcon::Critical);
        if (reportFileFailure(session.prompter, path, resetSystemFile(path, records)))
            return;
    }
    takeIdentity(session);

    const QString pointerPath = downloadPointerFilePath(path);
    if (!readFirstRecord(session.prompter, pointerPath, DownloadPointerLayout::recordLength,
                         records.downloadPointer))
        return;
    showDownloadPointer(session.status, records.downloadPointer);

    applyPortSettings(session);

    const QString directoryPath = dataDirectoryFilePath(path);
    if (!readFirstRecord(session.prompter, directoryPath, DataDirectoryLayout::recordLength,
                         records.dataDirectory))
        return;
    session.dataFileName = dataFileNameOf(records.dataDirectory);

    // A path that cannot be remembered is still the set-up of this run; the
    // user is told that the next start will not find it.
    if (const FileStatus saved = session.settings.saveSystemFilePath(path); !saved)
        session.prompter.message(saved.error, MessageIcon::Critical);
    showSystemFile(session.status, path);
}

} // namespace korven
