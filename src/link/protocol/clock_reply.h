#pragma once

#include "link/protocol/parsed.h"

#include <QByteArrayView>
#include <QString>

namespace korven {

// The logger's clock, its answer to "H": YYMMDDhhmmss and a CR.
inline constexpr int kClockReplyLength = 13;

// The logger's clock as the screens show it: "dd/mm/yy" and "hh:mm:ss".
struct LoggerClock {
    QString date;
    QString time;
};

// A whole clock reply; bad unless its first twelve characters are digits.
Parsed<LoggerClock> parseClockReply(QByteArrayView received);

} // namespace korven
