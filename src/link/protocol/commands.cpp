#include "link/protocol/commands.h"

#include "link/protocol/block_reply.h"
#include "logger_setup/logger_setup_layouts.h"
#include "platform/numeric_text.h"

#include <cmath>

namespace korven::command {

namespace {

constexpr int kBurstLength = 200;
constexpr int kFirstAddress = 128;

// What every "P" command ends with; the logger wants it as it is.
const QByteArray kChannelParametersEnd = QByteArrayLiteral("58061");

bool isPrintable(char c) {
    return c >= ' ' && c <= '~';
}

// "0" for a flag that is "OFF", "1" for anything else.
char flagDigit(const Record& record, TextField flag) {
    return record.text(flag) == QLatin1String("OFF") ? '0' : '1';
}

// A stored digit by its numeric value: anything but a digit is 0.
char digitOf(const Record& record, TextField field) {
    return static_cast<char>('0' + digitValue(record.text(field)));
}

// Input types go out as stored: "0" to "9", and "A", "B", "C" for the current
// loops and the resistance thermometer, which must not turn into a 20 mV
// input. Anything else is read as the number 0.
char inputTypeOf(const Record& record) {
    const char code = record.bytes().at(LoggerChannelLayout::inputType.offset);
    const bool known = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'C');
    return known ? code : '0';
}

// A signed five-digit value as its sign and the magnitude's rightmost four
// upper-case hexadecimal digits: "+12345" is "+3039", "-00150" is "-0096".
QByteArray signedHex(const Record& record, TextField field) {
    const QString value = record.text(field);
    const char sign = value.startsWith(u'+') ? '+' : '-';
    const auto magnitude = static_cast<long>(std::nearbyint(leadingNumber(value.mid(1, 5))));
    return sign + QByteArray::number(magnitude & 0xFFFF, 16).toUpper().rightJustified(4, '0');
}

} // namespace

QByteArray wakeBurst() {
    return QByteArray(kBurstLength, '\xFF');
}

QByteArray address(int loggerNumber) {
    return QByteArray(1, static_cast<char>(kFirstAddress + loggerNumber));
}

QByteArray blockRequest(int block) {
    const int wrapped = ((block % kBlockNumberModulo) + kBlockNumberModulo) % kBlockNumberModulo;
    return 'S' + QByteArray::number(wrapped, 16).toUpper().rightJustified(3, '0');
}

QByteArray clockSetting(const QDateTime& moment) {
    return 'G' + moment.toString(QStringLiteral("yyMMddHHmmss")).toLatin1();
}

QByteArray scanSetting(int interval, int sleep) {
    return 'M' + QByteArray::number(interval) + QByteArray::number(sleep);
}

QByteArray channelReading(int channel, int digits) {
    return 'F' + QByteArray::number(channel).rightJustified(digits, '0');
}

QByteArray channelParameters(int channel, const Record& channelRecord) {
    using C = LoggerChannelLayout;
    const QByteArray& bytes = channelRecord.bytes();
    const char scaling = flagDigit(channelRecord, C::scalingFlagCopy);
    QByteArray text = 'P' + QByteArray::number(channel);
    text += bytes.mid(C::description.offset, C::description.size);
    text += bytes.at(C::unit.offset);
    text += inputTypeOf(channelRecord);
    text += '1';
    text += digitOf(channelRecord, C::decimals);
    text += digitOf(channelRecord, C::supply);
    text += flagDigit(channelRecord, C::activeFlag);
    text += scaling;
    text += signedHex(channelRecord, C::gain);
    text += scaling;
    text += signedHex(channelRecord, C::zero);
    text += kChannelParametersEnd;
    for (char& c : text) {
        if (!isPrintable(c))
            c = ' ';
    }
    return text;
}

QByteArray channelCount(bool fourChannels) {
    return fourChannels ? QByteArrayLiteral("C0") : QByteArrayLiteral("C1");
}

} // namespace korven::command
