#pragma once

#include "reading/reading_setup.h"

#include <QString>

#include <optional>

namespace korven {

// The "A*x+B" treatment, done on the PC: with treatment code "01" the text
// (a signed five-digit reading) becomes x times the gain plus the zero,
// rounded towards minus infinity, as "+" and five digits ("+00256") or, below
// zero, "-" and five digits ("-00013"); more digits when the result needs
// them. Any other code leaves the text as it is.
QString treatValue(const QString& text, const QString& treatmentCode, const QString& gain,
                   const QString& zero);

// A reply without the blanks and the CR after it.
QString replyWithoutEnd(const QString& reply);

// The digits of a live reading as the logger sends it (a sign and up to five
// digits, with or without a point, then blanks and its CR): the point taken
// out by position, so "+12.35" gives "+1235" and "+123.45" gives "+12345".
// Empty when the reply is not a reading: no sign, no digits, or something
// else where the sign and the digits belong.
std::optional<QString> readingDigits(const QString& reply);

// The reading's own value, the point where the logger put it.
std::optional<double> directValue(const QString& reply);

// The reading treated for `channel`, the point placed by the channel's mask
// (none for a channel without a mask of "*****." to "*.****").
std::optional<double> treatedValue(const QString& reply, const ReadingChannel& channel);

// A value as the value line shows it: no trailing zeros, "." as the point.
QString valueText(double value);

} // namespace korven
