#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace korven::sim {

// A reading is a signed whole number of at most this magnitude; the decimal
// point is only a matter of display.
inline constexpr int kReadingLimit = 19999;

int clampReading(int value);

// The 16-bit word a stored block carries for a reading: bit 15 set means
// positive (zero included), the low 15 bits hold the magnitude.
quint16 signBitWord(int value);

// A reading as the channel shows it: sign, five digits, and the point placed
// so that `decimals` digits follow it ("+123.45"; "+12345" with none).
QByteArray displayedReading(int value, int decimals);
// The same without the zeros before the first digit that counts, or before
// the point: "+12.35", "+0.05", "+7".
QByteArray shortReading(int value, int decimals);

} // namespace korven::sim
