#include "session/modem_check.h"

#include "session/session.h"
#include "session/session_texts.h"

namespace korven {

bool isModemConnectionUp(const StatusTexts& status) {
    return !status.text(StatusTexts::Modem).isEmpty();
}

bool refuseWhileModemConnected(Session& session) {
    if (!isModemConnectionUp(session.status))
        return false;
    session.prompter.message(session_texts::modemConnectionUp, MessageIcon::Critical);
    return true;
}

} // namespace korven
