#include "link/protocol/clock_reply.h"

namespace korven {

namespace {

constexpr int kDigits = 12;
constexpr int kCentury = 2000;

} // namespace

Parsed<LoggerClock> parseClockReply(QByteArrayView received) {
    if (received.size() < kClockReplyLength)
        return Parsed<LoggerClock>::needMore();
    for (int i = 0; i < kDigits; ++i) {
        if (received[i] < '0' || received[i] > '9')
            return Parsed<LoggerClock>::bad();
    }
    const auto pair = [&](int first) { return QString::fromLatin1(received.sliced(first, 2)); };
    const auto number = [&](int first) { return pair(first).toInt(); };
    const QDate date(kCentury + number(0), number(2), number(4));
    const QTime time(number(6), number(8), number(10));
    return Parsed<LoggerClock>::done(
        {pair(4) + u'/' + pair(2) + u'/' + pair(0), pair(6) + u':' + pair(8) + u':' + pair(10),
         date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime()});
}

} // namespace korven
