#pragma once

#include "link/protocol/parsed.h"

#include <QByteArrayView>
#include <QString>

#include <array>

namespace korven {

// The logger keeps its readings in numbered memory blocks of 32 bytes: date,
// time, the two digital inputs and the words of the eight analog channels.
inline constexpr int kAnalogChannels = 8;
// Block numbers travel as three hexadecimal digits, so they wrap at 4096.
inline constexpr int kBlockNumberModulo = 4096;
// The longest whole block reply, its CR included: a separator after every
// byte, the last one too.
inline constexpr int kBlockReplyLength = 97;

// One block as the grid and the block table show it.
struct BlockText {
    QString date;     // "dd/mm/yy"
    QString time;     // "hh:mm:ss"
    QString digital1; // six hexadecimal digits
    QString digital2;
    std::array<QString, kAnalogChannels> channels; // "+00123", "-00001"
};

// The reply to a block request, as far as it has arrived: it ends at its CR.
// Before the CR come 32 bytes as two upper-case hexadecimal digits each, three
// characters per byte, so byte b starts at character 3b. The third character
// of each byte is a separator, whatever it is, and the last one may be left
// out: 95 or 96 characters. Anything else before the CR - another length, a
// digit that is not upper-case hexadecimal - is bad, so a line fault never
// turns into a row of wrong numbers.
Parsed<BlockText> parseBlockReply(QByteArrayView received);

// A channel word as shown: bit 15 is the sign ("+" when set), the other bits
// the magnitude, as five digits.
QString channelText(quint16 word);

} // namespace korven
