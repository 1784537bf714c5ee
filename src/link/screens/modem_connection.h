#pragma once

namespace korven {

struct Session;

// "Attivazione Modem" on the main menu: dials, with the wait screen up while
// the call is set up, or hangs up when the connection is up.
void switchModemConnection(Session& session);

} // namespace korven
