#include "link/protocol/clock_reply.h"

namespace korven {

Parsed<LoggerClock> parseClockReply(QByteArrayView received) {
    constexpr int kDigits = 12;
    if (received.size() < kClockReplyLength)
        return Parsed<LoggerClock>::needMore();
    for (int i = 0; i < kDigits; ++i) {
        if (received[i] < '0' || received[i] > '9')
            return Parsed<LoggerClock>::bad();
    }
    const auto pair = [&](int first) { return QString::fromLatin1(received.sliced(first, 2)); };
    return Parsed<LoggerClock>::done(
        {pair(4) + u'/' + pair(2) + u'/' + pair(0), pair(6) + u':' + pair(8) + u':' + pair(10)});
}

} // namespace korven
