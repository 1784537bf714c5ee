#pragma once

#include <QByteArrayView>

#include <optional>

namespace korven {

// The number written by the first four characters of a reply in upper-case
// hexadecimal ("00FF" is 255, "1A2B" is 6699). Anything else there - lower
// case, a blank, line noise, a reply cut short - is empty: the caller reports
// a transmission error instead of using a wrong number.
std::optional<int> hexToValue(QByteArrayView text);

} // namespace korven
