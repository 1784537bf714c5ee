#pragma once

#include "link/protocol/parsed.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace korven {

// The logger's clock, its answer to "H": YYMMDDhhmmss and a CR.
inline constexpr int kClockReplyLength = 13;

// The logger's clock as it answered.
struct LoggerClock {
    // As the screens show it: "dd/mm/yy" and "hh:mm:ss".
    QString date;
    QString time;
    // The same moment in the years 2000 to 2099, the only ones the logger
    // keeps; invalid when the digits are no date (a clock that lost its
    // battery answers zeros).
    QDateTime moment;
};

// A whole clock reply; bad unless its first twelve characters are digits, so
// that noise or a cut reply never passes for a date.
Parsed<LoggerClock> parseClockReply(QByteArrayView received);

} // namespace korven
