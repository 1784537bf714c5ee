#include "sim/reading_format.h"

#include <algorithm>
#include <cstdlib>

namespace korven::sim {

namespace {

constexpr quint16 kPositiveBit = 0x8000;
constexpr int kDigits = 5;

} // namespace

int clampReading(int value) {
    return std::clamp(value, -kReadingLimit, kReadingLimit);
}

quint16 signBitWord(int value) {
    const int clamped = clampReading(value);
    const auto magnitude = static_cast<quint16>(std::abs(clamped));
    return clamped >= 0 ? magnitude | kPositiveBit : magnitude;
}

QByteArray displayedReading(int value, int decimals) {
    const int clamped = clampReading(value);
    QByteArray text = QByteArray::number(std::abs(clamped)).rightJustified(kDigits, '0');
    if (decimals > 0 && decimals <= kDigits)
        text.insert(kDigits - decimals, '.');
    return (clamped >= 0 ? "+" : "-") + text;
}

QByteArray shortReading(int value, int decimals) {
    const QByteArray full = displayedReading(value, decimals);
    QByteArray digits = full.mid(1);
    while (digits.size() > 1 && digits[0] == '0' && digits[1] != '.')
        digits.remove(0, 1);
    return full.left(1) + digits;
}

} // namespace korven::sim
