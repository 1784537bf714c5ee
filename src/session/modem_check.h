#pragma once

namespace korven {

struct Session;
class StatusTexts;

// The modem status bar is shown exactly while its text is set, and that is the
// program's only record of a modem connection being up.
bool isModemConnectionUp(const StatusTexts& status);

// The settings commands do not run while a modem holds the line: true when the
// command must end here, after the user has been told why.
bool refuseWhileModemConnected(Session& session);

} // namespace korven
