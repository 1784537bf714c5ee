#pragma once

#include "link/conversation.h"

namespace korven {

// Wakes the logger with bursts of 0xFF and waits for its "!"; then sends "z"
// so it stops scanning and listens. Up to four cycles; the progress ("Attesa
// n", "Ciclo n") goes to the caller screen's label. On failure the link state
// records it and the user has been told the logger is not connected. Opens
// the port when it is closed.
LinkStatus wakeLogger(Conversation& conversation);

} // namespace korven
