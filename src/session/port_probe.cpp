#include "session/port_probe.h"

#include "session/session.h"
#include "session/session_texts.h"

namespace korven {

void probeSerialPort(Session& session) {
    if (session.port.isOpen())
        session.port.close();
    const PortError error = session.port.open();
    if (!error) {
        session.port.close();
        return;
    }
    // A port that exists but cannot be opened (in use, no permission) is a
    // port problem too, not a missing installation, so it is named as such.
    const QString text = error.code == kInvalidPortNumber
                             ? session_texts::invalidPort
                             : session_texts::portConflict.arg(error.code);
    session.prompter.message(text, MessageIcon::Critical);
}

} // namespace korven
