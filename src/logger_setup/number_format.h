#pragma once

#include <QString>
#include <QStringList>

namespace korven {

// Values such as gain and zero are held as signed five-digit texts ("+12345",
// "-00150"). For display a decimal point is put in by position: the digits
// never change, only the point moves.

// The displayed form of `s` with d digits after the point (d = 0 to 5); any
// other d leaves `s` as it is.
QString insertDecimalPoint(int d, const QString& s);

// The signed five-digit form of a displayed text: the point found among
// positions 2 to 7 is taken out by position; a text without one is unchanged.
QString removeDecimalPoint(const QString& t);

// The displayed form of `s` for a decimal mask ("*****." to "*.****"); a text
// that is no mask leaves `s` as it is.
QString formatByMask(const QString& mask, const QString& s);
// The same with the mask of channel i of a per-channel mask table.
QString formatByMask(const QStringList& maskTable, int i, const QString& s);

inline const QString kInvalidValueMessage = QStringLiteral("Valore non valido");

// What the editor does with a gain or zero the user has just typed.
struct NormalisedEntry {
    bool changed = false;      // false: the field keeps its text (an empty entry)
    QString text;              // the field's new text when changed
    bool showInvalid = false;  // show kInvalidValueMessage (once)
};

// Validates and normalises a typed value for a channel with d decimals: a
// non-number or a zero written oddly ("0.0") is reported and becomes zero;
// the magnitude is limited to 19999; the result is the displayed form.
NormalisedEntry normaliseEntry(const QString& typed, int d);

} // namespace korven
