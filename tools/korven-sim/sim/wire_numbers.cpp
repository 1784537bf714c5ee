#include "sim/wire_numbers.h"

#include <algorithm>
#include <limits>

namespace korven::sim {

namespace {

std::optional<int> digitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    if (value >= base)
        return std::nullopt;
    return value;
}

std::optional<int> number(const QByteArray& digits, int base) {
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        const auto digit = digitValue(c, base);
        if (!digit || value > (std::numeric_limits<int>::max() - *digit) / base)
            return std::nullopt;
        value = value * base + *digit;
    }
    return value;
}

} // namespace

bool allDecimalDigits(const QByteArray& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> decimalNumber(const QByteArray& digits) {
    return number(digits, 10);
}

std::optional<int> upperHexNumber(const QByteArray& digits) {
    return number(digits, 16);
}

} // namespace korven::sim
