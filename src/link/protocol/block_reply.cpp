#include "link/protocol/block_reply.h"

namespace korven {

namespace {

constexpr int kBlockBytes = 32;
constexpr int kCharactersPerByte = 3;
// Loggers differ on whether the last byte has its separator too.
constexpr int kShortForm = kBlockBytes * kCharactersPerByte - 1;
constexpr int kLongForm = kBlockBytes * kCharactersPerByte;

constexpr int kDateByte = 0;
constexpr int kTimeByte = 3;
constexpr int kDigital1Byte = 6;
constexpr int kDigital2Byte = 9;
constexpr int kDigitalBytes = 3;
constexpr int kFirstChannelByte = 16;

constexpr quint16 kSignBit = 0x8000;

bool isUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Only the digits are looked at: the separators carry nothing.
bool hasBlockShape(QByteArrayView reply) {
    if (reply.size() != kShortForm && reply.size() != kLongForm)
        return false;
    for (int byte = 0; byte < kBlockBytes; ++byte) {
        const qsizetype at = qsizetype(byte) * kCharactersPerByte;
        if (!isUpperHexDigit(reply[at]) || !isUpperHexDigit(reply[at + 1]))
            return false;
    }
    return true;
}

// The two digits of byte b, which start at character 3b (counted from 0).
QString byteDigits(QByteArrayView reply, int byte) {
    return QString::fromLatin1(reply.sliced(qsizetype(byte) * kCharactersPerByte, 2));
}

int byteValue(QByteArrayView reply, int byte) {
    return byteDigits(reply, byte).toInt(nullptr, 16);
}

QString joinedBytes(QByteArrayView reply, int first, int count, QStringView separator) {
    QString text;
    for (int byte = first; byte < first + count; ++byte) {
        if (byte != first)
            text += separator;
        text += byteDigits(reply, byte);
    }
    return text;
}

} // namespace

QString channelText(quint16 word) {
    const QChar sign = (word & kSignBit) ? u'+' : u'-';
    return sign + QStringLiteral("%1").arg(word & ~kSignBit, 5, 10, QLatin1Char('0'));
}

Parsed<BlockText> parseBlockReply(QByteArrayView received) {
    const qsizetype end = received.indexOf('\r');
    if (end < 0)
        return Parsed<BlockText>::needMore();
    const QByteArrayView reply = received.first(end);
    if (!hasBlockShape(reply))
        return Parsed<BlockText>::bad();
    BlockText block;
    // The date's bytes are year, month, day; it is shown day first.
    block.date = byteDigits(reply, kDateByte + 2) + u'/' + byteDigits(reply, kDateByte + 1) + u'/' +
                 byteDigits(reply, kDateByte);
    block.time = joinedBytes(reply, kTimeByte, 3, u":");
    block.digital1 = joinedBytes(reply, kDigital1Byte, kDigitalBytes, {});
    block.digital2 = joinedBytes(reply, kDigital2Byte, kDigitalBytes, {});
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        const int high = kFirstChannelByte + 2 * channel;
        const auto word =
            static_cast<quint16>(byteValue(reply, high) << 8 | byteValue(reply, high + 1));
        block.channels[channel] = channelText(word);
    }
    return Parsed<BlockText>::done(std::move(block));
}

} // namespace korven
