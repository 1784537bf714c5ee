#pragma once

#include <QString>

#include <optional>

namespace korven {

// The numeric value of the leading number of a text, 0 when there is none:
// blanks before it are skipped, a sign and one decimal point are taken, and
// reading stops at the first other character ("4 " is 4, "abc" is 0, "12x" is 12).
double leadingNumber(const QString& text);

// The numeric value of a one-character field: a blank, a zero byte or any
// other non-digit reads as 0.
int digitValue(const QString& field);

// True when the whole text (blanks around it aside) is one number: an optional
// sign, digits with at most one ".", at least one digit.
bool isNumber(const QString& text);

// The text as a 16-bit integer, rounded to the nearest (halves to even): none
// when it is not a number or lies outside -32768..32767.
std::optional<qint16> toInt16(const QString& text);

} // namespace korven
