#include "sim/replies.h"

#include "sim/reading_format.h"

namespace korven::sim {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr int kBlockBytes = 32;
constexpr int kStatusBytes = 16;
constexpr int kDigitalReplyBytes = 133;
constexpr int kReadingWidth = 8;
constexpr quint8 kFirmwareMajor = 1;
constexpr quint8 kFirmwareMinor = 0;

char bcd(int value) {
    return static_cast<char>(((value / 10) << 4) | (value % 10));
}

void appendWord(QByteArray& bytes, int word) {
    bytes.append(static_cast<char>((word >> 8) & 0xFF));
    bytes.append(static_cast<char>(word & 0xFF));
}

// Six contacts in three bytes, two per byte as the high and low digit, so the
// hexadecimal text reads as the contacts in order ("01 10 00").
void appendContacts(QByteArray& bytes, quint8 contacts) {
    for (int pair = 0; pair < kContactsPerInput / 2; ++pair) {
        const int first = (contacts >> (2 * pair)) & 1;
        const int second = (contacts >> (2 * pair + 1)) & 1;
        bytes.append(static_cast<char>((first << 4) | second));
    }
}

// The separator is put in after upper-casing the digits, so that a letter
// chosen as separator goes out as it was given.
QByteArray blockText(const QByteArray& bytes, const BlockForm& form) {
    const QByteArray digits = bytes.toHex().toUpper();
    QByteArray text;
    text.reserve(3 * bytes.size() + 1);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        text.append(digits.mid(2 * i, 2));
        if (i + 1 < bytes.size() || form.separatorAfterLast)
            text.append(form.separator);
    }
    return text + kCarriageReturn;
}

} // namespace

QByteArray hexText(const QByteArray& bytes) {
    return bytes.toHex(' ').toUpper();
}

QByteArray blockReply(const BlockContent& block, const BlockForm& form) {
    const QDate date = block.time.date();
    const QTime time = block.time.time();
    QByteArray bytes;
    bytes.reserve(kBlockBytes);
    bytes.append(bcd(date.year() % 100)).append(bcd(date.month())).append(bcd(date.day()));
    bytes.append(bcd(time.hour())).append(bcd(time.minute())).append(bcd(time.second()));
    for (quint8 contacts : block.digital)
        appendContacts(bytes, contacts);
    bytes.append(4, '\0');
    for (int reading : block.readings)
        appendWord(bytes, signBitWord(reading));
    return blockText(bytes, form);
}

QByteArray unwrittenBlockReply(const BlockForm& form) {
    return blockText(QByteArray(kBlockBytes, '\xFF'), form);
}

QByteArray statusReply(const LoggerStatus& status) {
    QByteArray bytes;
    bytes.reserve(kStatusBytes);
    bytes.append(static_cast<char>(status.code));
    appendWord(bytes, status.nextBlock);
    appendWord(bytes, status.capacity);
    bytes.append(static_cast<char>(status.channelCount));
    bytes.append(static_cast<char>(status.scanCode));
    bytes.append(static_cast<char>(status.sleepCode));
    bytes.append(static_cast<char>(kFirmwareMajor)).append(static_cast<char>(kFirmwareMinor));
    bytes.append(kStatusBytes - bytes.size(), '\0');
    return hexText(bytes);
}

QByteArray clockReply(const QDateTime& clock) {
    return clock.toString(QStringLiteral("yyMMddHHmmss")).toLatin1() + kCarriageReturn;
}

QByteArray readingReply(int value, int decimals, bool shortForm) {
    const QByteArray shown =
        shortForm ? shortReading(value, decimals) : displayedReading(value, decimals);
    return shown.leftJustified(kReadingWidth, ' ') + kCarriageReturn;
}

QByteArray digitalInputsReply(const DigitalInputs& digital) {
    QByteArray bytes(kDigitalReplyBytes, '\0');
    int at = 1;
    for (quint8 contacts : digital) {
        for (int contact = 0; contact < kContactsPerInput; ++contact)
            bytes[at++] = static_cast<char>((contacts >> contact) & 1);
    }
    return hexText(bytes) + ' ' + kCarriageReturn;
}

} // namespace korven::sim
