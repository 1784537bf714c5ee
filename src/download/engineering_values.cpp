#include "download/engineering_values.h"

#include <QRegularExpression>

namespace korven {

namespace {

struct StoredValue {
    bool negative = false;
    int magnitude = 0;
};

std::optional<StoredValue> storedValue(const QString& channelText) {
    static const QRegularExpression shape(QStringLiteral("^([+-])(\\d{5})$"));
    const QRegularExpressionMatch match = shape.match(channelText);
    if (!match.hasMatch())
        return std::nullopt;
    return StoredValue{match.captured(1) == u"-", match.captured(2).toInt()};
}

int powerOfTen(int exponent) {
    int power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

} // namespace

QString engineeringText(const QString& channelText, int decimals) {
    const auto value = storedValue(channelText);
    if (!value)
        return {};
    // Digits only, so no rounding can creep in.
    const int scale = powerOfTen(decimals);
    QString text = value->negative && value->magnitude != 0 ? QStringLiteral("-") : QString();
    text += QString::number(value->magnitude / scale);
    if (decimals > 0)
        text += u'.' +
                QStringLiteral("%1").arg(value->magnitude % scale, decimals, 10, QLatin1Char('0'));
    return text;
}

std::optional<double> engineeringValue(const QString& channelText, int decimals) {
    const auto value = storedValue(channelText);
    if (!value)
        return std::nullopt;
    const double magnitude = double(value->magnitude) / powerOfTen(decimals);
    return value->negative ? -magnitude : magnitude;
}

QDateTime blockMoment(const QString& date, const QString& time, Qt::TimeSpec timeSpec) {
    static const QRegularExpression dayShape(QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d\\d)$"));
    const QRegularExpressionMatch day = dayShape.match(date);
    if (!day.hasMatch())
        return {};
    // The logger's two-digit years are this century's.
    const QDate stored(2000 + day.captured(3).toInt(), day.captured(2).toInt(),
                       day.captured(1).toInt());
    const QTime at = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
    if (!stored.isValid() || !at.isValid())
        return {};
    return QDateTime(stored, at, timeSpec);
}

} // namespace korven
