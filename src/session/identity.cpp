#include "session/identity.h"

#include "session/session.h"

namespace korven {

void takeIdentity(Session& session) {
    const Record& identity = session.installation.systemRecords.identity;
    session.linkFlag = identity.text(IdentityLayout::linkFlag);
    session.loggerCount = loggerCountOf(identity);
    session.portSettings = portSettingsOf(identity);
}

FileStatus loadIdentity(Session& session) {
    const FileStatus status = readPortSettings(session.installation, session.portSettings);
    takeIdentity(session);
    return status;
}

FileStatus writeIdentity(Session& session) {
    const RecordFile file(identityFilePath(session.installation.systemFilePath),
                          IdentityLayout::recordLength);
    return file.write(1, session.installation.systemRecords.identity).on(file.path());
}

FileStatus savePortSettings(Session& session, const PortSettings& settings) {
    storePortSettings(settings, session.installation.systemRecords.identity);
    return writeIdentity(session);
}

FileStatus saveModemSettings(Session& session, const ModemSettings& settings) {
    storeModemSettings(settings, session.installation.systemRecords.identity);
    const FileStatus written = writeIdentity(session);
    if (written)
        takeIdentity(session);
    return written;
}

} // namespace korven
