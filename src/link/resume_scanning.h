#pragma once

#include "link/conversation.h"
#include "platform/record.h"

#include <QString>

namespace korven {

// Puts the logger back into scanning as the logger set-up's saved flags say:
// "Z" with acquisition, else "z"; then "Y" with auto-sleep. Reports the
// outcome and closes the port. Reads the general-parameters record of the
// set-up at `loggerSetupPath` into `par`, the shared in-memory copy. When
// that record cannot be read, the logger gets "z" and stays stopped, and the
// outcome is a failure (BadReply) that says so, never "in scansione".
// `line` says whether the logger addressed had answered, for the message.
LinkStatus resumeScanning(Conversation& conversation, const QString& loggerSetupPath, Record& par,
                          ResumedLine line = ResumedLine::Logger);

} // namespace korven
