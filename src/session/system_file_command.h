#pragma once

namespace korven {

struct Session;

// File > Sistema: the user chooses or creates the system set-up file. A new
// set-up (its identity record never written) is reset to defaults after
// telling the user; then the link settings are loaded from its identity file,
// the status texts refreshed, the serial port set and tested, and the path
// remembered in "config.dat" for the next start. Cancelling the dialog
// changes nothing.
void chooseSystemFile(Session& session);

} // namespace korven
