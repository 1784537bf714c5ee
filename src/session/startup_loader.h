#pragma once

namespace korven {

struct Session;

// The start-up loader: reads "config.dat" and the side files of the system
// set-up it names, fills the status texts, sets the serial port from the
// logger identity and tests it, and enables the modem menu item. When the
// installation cannot be read the user is told once how to choose the set-up
// files; the program then runs on with fallback texts until they are chosen
// from the File menu.
void runStartupLoader(Session& session);

} // namespace korven
