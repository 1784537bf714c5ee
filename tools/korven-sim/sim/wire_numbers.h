#pragma once

#include <QByteArray>

#include <optional>

namespace korven::sim {

// Numbers inside commands: all digits must be valid, nothing else allowed,
// and the value must fit an int. Hexadecimal is upper-case only, as the
// program writes it.
bool allDecimalDigits(const QByteArray& text);
std::optional<int> decimalNumber(const QByteArray& digits);
std::optional<int> upperHexNumber(const QByteArray& digits);

} // namespace korven::sim
