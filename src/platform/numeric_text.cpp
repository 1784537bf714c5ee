#include "platform/numeric_text.h"

#include <QLocale>

#include <cmath>

namespace korven {
namespace {

struct Scan {
    double value = 0;
    qsizetype end = 0; // index just past the number
    bool hasDigits = false;
};

Scan scanNumber(const QString& text, qsizetype from) {
    Scan scan;
    qsizetype i = from;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    QString whole = QStringLiteral("0");
    QString fraction;
    bool pointSeen = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.') && !pointSeen) {
            pointSeen = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            scan.hasDigits = true;
            (pointSeen ? fraction : whole) += c;
        } else {
            break;
        }
    }
    scan.end = i;
    // Converted as one decimal text, so "0.58" is the double nearest 0.58
    // and not 0.5 + 0.08 summed in binary.
    const QString number = fraction.isEmpty() ? whole : whole + u'.' + fraction;
    scan.value = QLocale::c().toDouble(number);
    if (negative)
        scan.value = -scan.value;
    return scan;
}

qsizetype skipBlanks(const QString& text, qsizetype from) {
    while (from < text.size() && text[from] == QLatin1Char(' '))
        ++from;
    return from;
}

} // namespace

double leadingNumber(const QString& text) {
    const Scan scan = scanNumber(text, skipBlanks(text, 0));
    return scan.hasDigits ? scan.value : 0;
}

int digitValue(const QString& field) {
    if (field.isEmpty() || field[0] < QLatin1Char('0') || field[0] > QLatin1Char('9'))
        return 0;
    return field[0].unicode() - '0';
}

bool isNumber(const QString& text) {
    const Scan scan = scanNumber(text, skipBlanks(text, 0));
    return scan.hasDigits && skipBlanks(text, scan.end) == text.size();
}

std::optional<qint16> toInt16(const QString& text) {
    if (!isNumber(text))
        return std::nullopt;
    const double rounded = std::nearbyint(leadingNumber(text));
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace korven
