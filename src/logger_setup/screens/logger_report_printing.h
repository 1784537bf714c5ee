#pragma once

class QWidget;

namespace korven {

struct Session;

// "Stampa" of the channel editor: the logger set-up of the session as saved
// on disk, shown in the print preview of the session's printer, then printed
// or saved as the user chooses. `screen` shows the hourglass meanwhile. True
// when the sheet was printed or saved; a failure has been told to the user.
bool printLoggerReport(Session& session, QWidget& screen);

} // namespace korven
