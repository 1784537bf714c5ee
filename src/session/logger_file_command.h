#pragma once

namespace korven {

struct Session;

// File > KORVEN: the user chooses or creates the logger set-up pair (".tmr"
// and ".par"). A pair chosen for the first time is reset at once after telling
// the user; the base path is remembered in "config.dat" for the next start.
// Cancelling the dialog changes nothing.
void chooseLoggerSetupFile(Session& session);

} // namespace korven
