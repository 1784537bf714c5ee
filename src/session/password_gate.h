#pragma once

#include "session/password_target.h"

#include <functional>

namespace korven {

struct Session;

// The gate in front of the screens that change a logger's configuration:
// without an active password the target opens at once; with one, the target is
// remembered and the password prompt opens instead, to open it later.
void passPasswordGate(Session& session, PasswordTarget target,
                      const std::function<void(PasswordTarget)>& openTarget,
                      const std::function<void()>& openPrompt);

} // namespace korven
