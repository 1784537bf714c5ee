#include "fuzz_input.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/number_format.h"

#include <QRegularExpression>

using namespace korven;
using korven::fuzz::FuzzInput;
using korven::fuzz::require;

namespace {

// A value as the set-up files hold it: a sign and five digits.
bool isStoredValue(const QString& text) {
    static const QRegularExpression stored(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-][0-9]{5}")));
    return stored.match(text).hasMatch();
}

bool hasPointAmongPositions2To7(const QString& text) {
    const qsizetype point = text.indexOf(u'.', 1);
    return point >= 1 && point <= 6;
}

// The mask table of a channel set: the five masks, an empty entry and one
// that is no mask.
QStringList maskTable(const QString& stranger) {
    QStringList table;
    for (int d = 0; d <= 5; ++d)
        table.append(maskText(d).value_or(QString()));
    table.append(stranger);
    return table;
}

void checkPointMoves(int d, const QString& s) {
    const QString shown = insertDecimalPoint(d, s);
    if (d < 0 || d > 5) {
        require(shown == s, "an impossible number of decimals leaves the text alone");
        return;
    }
    require(shown.size() <= 7, "the displayed form is at most seven characters");
    if (isStoredValue(s)) {
        require(removeDecimalPoint(shown) == s, "the point comes out where it went in");
        if (const std::optional<QString> mask = maskText(d))
            require(formatByMask(*mask, s) == shown, "the mask places the same point");
    }
}

void checkPointRemoval(const QString& t) {
    const QString stored = removeDecimalPoint(t);
    if (!hasPointAmongPositions2To7(t))
        require(stored == t, "a text without a point is unchanged");
    else
        require(stored.size() <= 6 && !stored.isEmpty(), "the point and what follows the seventh "
                                                         "character go");
}

void checkEntry(const QString& typed, int d) {
    const NormalisedEntry entry = normaliseEntry(typed, d);
    require(entry.changed == !typed.isEmpty(), "only an empty entry keeps the field's text");
    if (!entry.changed) {
        require(!entry.showInvalid, "an empty entry is not invalid");
        return;
    }
    const QString stored = d >= 0 && d <= 5 ? removeDecimalPoint(entry.text) : entry.text;
    require(isStoredValue(stored), "an entry becomes a sign and five digits");
    require(qAbs(stored.toInt()) <= 19999, "an entry stays within 19999");
}

} // namespace

// The input: a number of decimals, a mask index, and a text typed or read
// from a set-up file (Latin-1 or UTF-16).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const quint8 decimals = input.byte();
    const int d = decimals % 10 - 2;
    const int maskIndex = static_cast<qint8>(input.byte());
    const QString text = input.textRest(decimals & 0x80);

    checkPointMoves(d, text);
    checkPointRemoval(text);
    checkEntry(text, d);

    const QStringList masks = maskTable(text);
    const QString shown = formatByMask(masks, maskIndex, text);
    if (maskIndex < 0 || maskIndex >= masks.size() || !maskDecimals(masks[maskIndex]))
        require(shown == text, "no mask, no change");
    return 0;
}
