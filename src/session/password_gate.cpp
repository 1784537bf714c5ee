#include "session/password_gate.h"

#include "session/session.h"

namespace korven {

void passPasswordGate(Session& session, PasswordTarget target,
                      const std::function<void(PasswordTarget)>& openTarget,
                      const std::function<void()>& openPrompt) {
    if (!session.settings.passwordActive()) {
        openTarget(target);
        return;
    }
    session.pendingPasswordTarget = target;
    openPrompt();
}

} // namespace korven
