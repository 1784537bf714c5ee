#pragma once

namespace korven {

struct Session;

// Opens the port with its current number and closes it again at once, so a
// wrong setting is found now rather than in the middle of a download. A port
// that does not exist, or that another program holds, is reported to the
// user; the caller goes on either way.
void probeSerialPort(Session& session);

} // namespace korven
