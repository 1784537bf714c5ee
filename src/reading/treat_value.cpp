#include "reading/treat_value.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/number_format.h"
#include "platform/numeric_text.h"

#include <QRegularExpression>

#include <cmath>

namespace korven {

namespace {

const QString kLinearTreatment = QStringLiteral("01");
constexpr int kDigits = 5;

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
    const double y = leadingNumber(text) * leadingNumber(gain) + leadingNumber(zero);
    const auto r = static_cast<qint64>(std::floor(y));
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
    static const QRegularExpression signedFiveDigits(QStringLiteral("^[+-][0-9]{5}$"));
    const QString text = replyWithoutEnd(reply);
    // The point is taken out by position, which would let anything after the
    // seventh character pass: the whole text is looked at first.
    if (!signedNumber.match(text).hasMatch())
        return std::nullopt;
    const QString digits = removeDecimalPoint(text);
    if (!signedFiveDigits.match(digits).hasMatch())
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
