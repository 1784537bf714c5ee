#include "reading/treat_value.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/number_format.h"
#include "platform/numeric_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace korven {

namespace {

const QString kLinearTreatment = QStringLiteral("01");
constexpr int kDigits = 5;

// The fields a treatment reads (a reading, a gain, a zero) are six
// characters at most, so six digits hold every one of them; with that bound
// the scaled sums below stay far inside 64 bits.
constexpr int kMostDigits = 6;

// A decimal text as a whole number of its last digit's units: "0.58" is 58
// hundredths, "-12.7" is -127 tenths. It is read as `leadingNumber` reads
// text (blanks before it, a sign, one point), but without ever becoming a
// binary fraction.
struct ExactDecimal {
    qint64 units = 0;
    int decimals = 0;
};

ExactDecimal exactDecimal(const QString& text) {
    ExactDecimal number;
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    bool pointSeen = false;
    for (int digits = 0; i < text.size() && digits < kMostDigits; ++i) {
        const QChar c = text[i];
        if (c == u'.' && !pointSeen) {
            pointSeen = true;
        } else if (c.isDigit() && c.unicode() < 128) {
            number.units = number.units * 10 + (c.unicode() - '0');
            number.decimals += pointSeen ? 1 : 0;
            ++digits;
        } else {
            break;
        }
    }
    if (negative)
        number.units = -number.units;
    return number;
}

qint64 powerOfTen(int exponent) {
    qint64 power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// The largest whole number not above numerator / denominator (denominator > 0).
qint64 floorDivision(qint64 numerator, qint64 denominator) {
    const qint64 quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

// The value of a treated text once the mask's point is placed: its last d
// digits go after the point. For a result of five digits that is what placing
// the point by position gives; a longer one keeps all its digits instead of
// losing those beyond the sixth character.
double maskedValue(const QString& text, const QString& mask) {
    const double value = leadingNumber(text);
    const std::optional<int> decimals = maskDecimals(mask);
    return decimals ? value / std::pow(10.0, *decimals) : value;
}

} // namespace

QString treatValue(const QString& text, const QString& treatmentCode, const QString& gain,
                   const QString& zero) {
    if (treatmentCode != kLinearTreatment)
        return text;
    // y = x * gain + zero in units of the finest decimal among them, then
    // rounded down: 100 x "0.58" is exactly 58, never 57.999...
    const ExactDecimal x = exactDecimal(text);
    const ExactDecimal a = exactDecimal(gain);
    const ExactDecimal b = exactDecimal(zero);
    const int productDecimals = x.decimals + a.decimals;
    const int decimals = std::max(productDecimals, b.decimals);
    const qint64 y = x.units * a.units * powerOfTen(decimals - productDecimals) +
                     b.units * powerOfTen(decimals - b.decimals);
    const qint64 r = floorDivision(y, powerOfTen(decimals));
    const QString digits = QStringLiteral("%1").arg(r < 0 ? -r : r, kDigits, 10, QLatin1Char('0'));
    return (r < 0 ? QStringLiteral("-") : QStringLiteral("+")) + digits;
}

QString replyWithoutEnd(const QString& reply) {
    QString text = reply;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

std::optional<QString> readingDigits(const QString& reply) {
    static const QRegularExpression signedNumber(QStringLiteral("^[+-][0-9]*\\.?[0-9]*$"));
    // Without its point a reading is a sign and at most five digits: "+12.35"
    // is "+1235", "+123.45" is "+12345".
    static const QRegularExpression signedDigits(QStringLiteral("^[+-][0-9]{1,5}$"));
    const QString text = replyWithoutEnd(reply);
    // The point is taken out by position, which would let anything after the
    // seventh character pass: the whole text is looked at first.
    if (!signedNumber.match(text).hasMatch())
        return std::nullopt;
    const QString digits = removeDecimalPoint(text);
    if (!signedDigits.match(digits).hasMatch())
        return std::nullopt;
    return digits;
}

std::optional<double> directValue(const QString& reply) {
    if (!readingDigits(reply))
        return std::nullopt;
    return leadingNumber(reply);
}

std::optional<double> treatedValue(const QString& reply, const ReadingChannel& channel) {
    const std::optional<QString> digits = readingDigits(reply);
    if (!digits)
        return std::nullopt;
    const QString treated = treatValue(*digits, channel.treatmentCode, channel.gain, channel.zero);
    return maskedValue(treated, channel.mask);
}

QString valueText(double value) {
    // Enough digits for any reading; 'g' drops the trailing zeros.
    return QString::number(value, 'g', 12);
}

} // namespace korven
