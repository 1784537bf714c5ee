#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

namespace korven {

// The logger keeps its readings in numbered memory blocks of 32 bytes: date,
// time, the two digital inputs and the words of the eight analog channels.
inline constexpr int kAnalogChannels = 8;
// Block numbers travel as three hexadecimal digits, so they wrap at 4096.
inline constexpr int kBlockNumberModulo = 4096;

// One block as the grid and the block table show it.
struct BlockText {
    QString date;     // "dd/mm/yy"
    QString time;     // "hh:mm:ss"
    QString digital1; // six hexadecimal digits
    QString digital2;
    std::array<QString, kAnalogChannels> channels; // "+00123", "-00001"
};

// The command that asks for block `block`: "S" and the last three hexadecimal
// digits of its number, upper case ("S01A" for 26, "S000" for 4096), without
// the CR.
QByteArray shortBlockRequest(int block);

// Decodes the reply to a block request, its CR already removed: 32 bytes as
// two upper-case hexadecimal digits each, separated by single blanks. A reply
// cut short, too long, or with any other character in it gives nothing, so a
// line fault never turns into a row of wrong numbers.
std::optional<BlockText> parseBlockText(QByteArrayView reply);

// A channel word as shown: bit 15 is the sign ("+" when set), the other bits
// the magnitude, as five digits.
QString channelText(quint16 word);

} // namespace korven
