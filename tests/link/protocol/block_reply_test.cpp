#include "link/protocol/block_reply.h"

#include "support/qt_printers.h"

#include <QList>

#include <tuple>

#include <gtest/gtest.h>

namespace korven {
namespace {

// A block as the logger sends it, written out by hand: 5 March 2024,
// 12:30:45, digital inputs 01 10 00 and 11 00 01, channel words 8000, 0001,
// 8123, 7FFF, FFFF, 0000, 80FF, 0100.
const QByteArray kBlock = "24 03 05 12 30 45 01 10 00 11 00 01 00 00 00 00 "
                          "80 00 00 01 81 23 7F FF FF FF 00 00 80 FF 01 00";

TEST(BlockReply, TakesDateTimeDigitalInputsAndChannelsByPosition) {
    ASSERT_EQ(kBlock.size(), 95);
    const Parsed<BlockText> parsed = parseBlockReply(kBlock + '\r');
    ASSERT_EQ(parsed.state, ParseState::Done);
    const BlockText* block = &parsed.value;
    EXPECT_EQ(block->date, "05/03/24");
    EXPECT_EQ(block->time, "12:30:45");
    EXPECT_EQ(block->digital1, "011000");
    EXPECT_EQ(block->digital2, "110001");
    const std::array<QString, kAnalogChannels> channels{"+00000", "-00001", "+00291", "-32767",
                                                        "+32767", "-00000", "+00255", "-00256"};
    EXPECT_EQ(block->channels, channels);
}

// Whatever stands between the bytes, and after the last one or not, the
// digits are where they always are.
TEST(BlockReply, NeverTakesTheSeparatorsAsData) {
    const BlockText expected = parseBlockReply(kBlock + '\r').value;
    for (const char separator : {' ', ',', ';', '-', '\t', '0', 'F', 'x'}) {
        QByteArray reply = kBlock + separator;
        for (qsizetype at = 2; at < reply.size(); at += 3)
            reply[at] = separator;
        for (const QByteArray& form : {reply, reply.left(95)}) {
            const Parsed<BlockText> parsed = parseBlockReply(form + '\r');
            ASSERT_EQ(parsed.state, ParseState::Done) << separator;
            EXPECT_EQ(std::tie(parsed.value.date, parsed.value.time, parsed.value.digital1,
                               parsed.value.digital2, parsed.value.channels),
                      std::tie(expected.date, expected.time, expected.digital1, expected.digital2,
                               expected.channels))
                << separator;
        }
    }
}

TEST(BlockReply, RefusesAReplyThatIsCutOrDamaged) {
    QByteArray lowerCase = kBlock;
    lowerCase[49] = 'f';
    QByteArray noise = kBlock;
    noise[51] = 'x';
    QByteArray lastDigit = kBlock;
    lastDigit[94] = 'G';
    const QList<QByteArray> damaged{
        kBlock.left(94),       // one character short
        kBlock.left(47),       // cut half-way
        kBlock.mid(3),         // first byte lost
        kBlock + " 0",         // a character too many
        kBlock + " 00",        // a byte too many
        "!" + kBlock.left(94), // handshake left over in front
        lowerCase,
        noise,
        lastDigit,
        {},
    };
    for (const QByteArray& reply : damaged)
        EXPECT_EQ(parseBlockReply(reply + '\r').state, ParseState::Bad) << reply.constData();
}

} // namespace
} // namespace korven
