#pragma once

#include "link/logger_link.h"
#include "platform/record.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace korven {

// What a set-up screen hands to the transmission screen, and what it finds
// there afterwards.
struct TransmissionHandOff {
    int code = 0;             // 1, 6, 7 or 8: the operation (see transmit())
    QByteArray commandText;   // the prepared command, without its CR
    bool connectOnly = false; // only wake the logger and hand the typed code back
    QString typedLoggerCode;  // the code typed, in connect-only mode
    bool cancelled = false;   // the user left with "Uscita"
};

// The logger's clock as the transmission shows it: "dd/mm/yy" and "hh:mm:ss".
struct LoggerClock {
    QString date;
    QString time;
};

struct TransmissionResult {
    LinkStatus status = LinkStatus::Ok;
    std::optional<LoggerClock> clock; // code 7
    std::optional<int> lastBlock;     // code 8: the next block the logger writes
};

// Where the logger set-up's saved scan flags are read from when the logger is
// put back into scanning.
struct ScanFlagsSource {
    QString loggerSetupPath;
    Record& par;
};

// The transmission to the logger numbered `state().loggerNumber`, with the port
// already configured: wake it, perform the operation of `code`, close the port
// and put the logger back into scanning. Codes: 1 sends the command
// (parameters), 6 sends it (a setting), 7 sends it and reads the clock back,
// 8 asks for the last stored block; any other code only wakes the logger and
// resumes its scanning. Progress goes to the caller screen's label. A logger
// that does not wake gets nothing else, not even the resume.
TransmissionResult transmit(Conversation& conversation, int code, const QByteArray& commandText,
                            const ScanFlagsSource& scanFlags);

// The line above the progress text: "KORVEN nr. 3 on line".
QString onLineText(int loggerNumber);

// A clock reply "YYMMDDhhmmss" as date and time; empty unless the twelve
// characters are digits.
std::optional<LoggerClock> loggerClockOf(QByteArrayView reply);
// A last-block reply: the hexadecimal digits at characters 4-5 and 7-8.
std::optional<int> lastBlockOf(QByteArrayView reply);

} // namespace korven
