#include "logger_setup/number_format.h"

#include "logger_setup/channel_tables.h"
#include "platform/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace korven {
namespace {

// Characters `from` to `to` of `s`, counted from 1 as the layouts count them.
QString characters(const QString& s, int from, int to) { return s.mid(from - 1, to - from + 1); }

const QString kZero = QStringLiteral("+00000");

} // namespace

QString insertDecimalPoint(int d, const QString& s) {
    if (d < 0 || d > 5)
        return s;
    if (d == 0)
        return characters(s, 1, 6);
    const int digitsBefore = 6 - d; // sign included
    return characters(s, 1, digitsBefore) + QLatin1Char('.') + characters(s, digitsBefore + 1, 6);
}

QString removeDecimalPoint(const QString& t) {
    for (int position = 2; position <= 7; ++position) {
        if (characters(t, position, position) == QLatin1String("."))
            return characters(t, 1, position - 1) + characters(t, position + 1, 7);
    }
    return t;
}

QString formatByMask(const QString& mask, const QString& s) {
    const std::optional<int> d = maskDecimals(mask);
    return d ? insertDecimalPoint(*d, s) : s;
}

QString formatByMask(const QStringList& maskTable, int i, const QString& s) {
    return formatByMask(maskTable.value(i), s);
}

NormalisedEntry normaliseEntry(const QString& typed, int d) {
    NormalisedEntry entry;
    QString t = typed;
    if (!t.trimmed().isEmpty() && !isNumber(t)) {
        entry.showInvalid = true;
        t = kZero;
    }
    const double x = leadingNumber(t);
    QString t0 = removeDecimalPoint(t);
    if (x == 0) {
        if (t0 == QLatin1String("0") || t0 == kZero)
            t0 = kZero;
        else if (t0.isEmpty())
            return entry;
        else
            entry.showInvalid = true;
    }

    const double value = std::clamp(std::nearbyint(leadingNumber(t0)), -19999.0, 19999.0);
    const QString digits = QStringLiteral("%1").arg(std::abs(value), 5, 'f', 0, QLatin1Char('0'));
    const QString signedText = (value < 0 ? QStringLiteral("-") : QStringLiteral("+")) + digits;

    entry.changed = true;
    entry.text = insertDecimalPoint(d, signedText);
    return entry;
}

} // namespace korven
