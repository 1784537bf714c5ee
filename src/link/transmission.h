#pragma once

#include "link/conversation.h"
#include "link/logger_clock.h"
#include "system_setup/installation.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace korven {

// What a set-up screen hands to the transmission screen, and what it finds
// there afterwards.
struct TransmissionHandOff {
    int code = 0;             // 1, 6, 7 or 8: the operation (see TransmissionRequest)
    QByteArray commandText;   // the prepared command, without its CR
    bool connectOnly = false; // only wake the logger and hand the typed code back
    QString typedLoggerCode;  // the code typed, in connect-only mode
    bool cancelled = false;   // the user left with "Uscita"
};

struct TransmissionRequest {
    int loggerNumber = 0;
    // 1 sends the command (parameters), 6 sends it (a setting), 7 sends it and
    // reads the clock back, 8 asks for the last stored block; any other code
    // only wakes the logger and resumes its scanning.
    int code = 0;
    QByteArray commandText; // without its CR
    // Only wake the logger and leave it awake for the caller's own commands.
    bool connectOnly = false;
};

struct TransmissionResult {
    LinkStatus status = LinkStatus::Ok;
    std::optional<ClockReading> clock; // code 7
    std::optional<int> lastBlock;      // code 8: the next block the logger writes
};

// The transmission to one logger over the port as it is set: wakes the
// logger, and - unless only the connection was asked for - performs the
// operation, closes the port and puts the logger back into scanning as the
// installation's logger set-up says. Progress goes to the caller screen's
// label. A logger that does not wake gets nothing else, not even the resume.
TransmissionResult transmit(Conversation& conversation, const TransmissionRequest& request,
                            Installation& installation);

// The whole run: reads the port settings from the identity file into the
// shared record, sets the port, and transmits.
TransmissionResult runTransmission(Conversation& conversation, Installation& installation,
                                   const TransmissionRequest& request);

} // namespace korven
