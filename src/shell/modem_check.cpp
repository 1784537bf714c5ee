#include "shell/modem_check.h"

#include "shell/session.h"
#include "shell/shell_texts.h"

namespace korven {

bool isModemConnectionUp(const StatusTexts& status) {
    return !status.text(StatusTexts::Modem).isEmpty();
}

bool refuseWhileModemConnected(Session& session) {
    if (!isModemConnectionUp(session.status))
        return false;
    session.prompter.message(shell_texts::modemConnectionUp, MessageIcon::Critical);
    return true;
}

} // namespace korven
