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

} // namespace korven
