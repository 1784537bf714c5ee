#pragma once

#include "link/modem/modem_settings.h"
#include "link/port_settings.h"
#include "platform/record_file.h"

namespace korven {

struct Session;

// Takes what the session keeps of the identity record - the modem flag, "Nr.
// Logger" and the port settings - from its shared in-memory copy.
void takeIdentity(Session& session);

// Reads the identity record of the current system set-up into its shared copy
// and takes it into the session. A file that does not exist is reported and
// creates nothing; the session then takes the record as it was.
FileStatus loadIdentity(Session& session);

// Writes the shared identity record as record 1 of the identity file of the
// current system set-up. A failure names the file it happened on.
FileStatus writeIdentity(Session& session);

// Stores the port settings, or the modem settings, into the shared identity
// record and writes it. Once the modem settings are written the session takes
// them.
FileStatus savePortSettings(Session& session, const PortSettings& settings);
FileStatus saveModemSettings(Session& session, const ModemSettings& settings);

} // namespace korven
