#include "link/protocol/hex_value.h"

namespace korven {

namespace {

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

} // namespace

std::optional<int> hexToValue(QByteArrayView text) {
    constexpr int kDigits = 4;
    if (text.size() < kDigits)
        return std::nullopt;
    int value = 0;
    for (int i = 0; i < kDigits; ++i) {
        const auto digit = hexDigit(text[i]);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

} // namespace korven
