#include "link/protocol/reading_reply.h"

namespace korven {

namespace {

constexpr int kContacts = 6;
constexpr int kContactSpacing = 3;
// Where the first contact of each input stands, counted from 0.
constexpr int kFirstContactOfInput1 = 4;
constexpr int kFirstContactOfInput2 = 22;

QString contacts(QByteArrayView reply, int first) {
    QString text;
    for (int contact = 0; contact < kContacts; ++contact)
        text += QLatin1Char(reply[first + contact * kContactSpacing]);
    return text;
}

} // namespace

Parsed<QString> parseReadingReply(QByteArrayView received) {
    if (received.size() < kReadingReplyLength)
        return Parsed<QString>::needMore();
    return Parsed<QString>::done(QString::fromLatin1(received));
}

Parsed<DigitalInputsReading> parseDigitalInputsReply(QByteArrayView received) {
    if (received.size() < kDigitalInputsReplyLength)
        return Parsed<DigitalInputsReading>::needMore();
    return Parsed<DigitalInputsReading>::done(
        {contacts(received, kFirstContactOfInput1), contacts(received, kFirstContactOfInput2)});
}

} // namespace korven
