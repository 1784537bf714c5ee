#pragma once

#include "link/protocol/parsed.h"

#include <QByteArrayView>

namespace korven {

// The logger's status, its answer to "j": 47 characters.
inline constexpr int kStatusReplyLength = 47;

// The block the logger will write next, from a whole status reply: the
// hexadecimal digits at characters 4-5 and 7-8 (counted from 1). Bad when they
// are not upper-case hexadecimal digits.
Parsed<int> parseStatusReply(QByteArrayView received);

} // namespace korven
