#pragma once

#include "link/protocol/parsed.h"

#include <QByteArrayView>
#include <QString>

namespace korven {

// A live reading of one analog channel, the answer to "F": nine characters at
// least, shown as they come.
inline constexpr int kReadingReplyLength = 9;
// The digital inputs, the answer to "A0": 400 characters.
inline constexpr int kDigitalInputsReplyLength = 400;

// The whole text received once the reading is complete.
Parsed<QString> parseReadingReply(QByteArrayView received);

// The six contacts of each digital input, as the characters at positions 5,
// 8, ... 20 and 23, 26, ... 38 of the reply (counted from 1).
struct DigitalInputsReading {
    QString input1;
    QString input2;
};

Parsed<DigitalInputsReading> parseDigitalInputsReply(QByteArrayView received);

} // namespace korven
