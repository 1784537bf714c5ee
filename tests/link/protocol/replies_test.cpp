#include "link/protocol/block_reply.h"
#include "link/protocol/clock_reply.h"
#include "link/protocol/hex_value.h"
#include "link/protocol/modem_replies.h"
#include "link/protocol/reading_reply.h"
#include "link/protocol/status_reply.h"
#include "support/qt_printers.h"

#include <tuple>

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(HexToValue, ReadsFourUpperCaseDigitsAndNothingElse) {
    const std::pair<QByteArray, std::optional<int>> cases[] = {
        {"0000", 0},          {"00FF", 255},          {"1A2B", 6699},
        {"FFFF", 65535},      {"00ff", std::nullopt}, {"00 F", std::nullopt},
        {"00F", std::nullopt}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(hexToValue(text), value) << text.constData();
}

TEST(StatusReply, TakesTheNextBlockFromItsPlaceOnceAllHasCome) {
    const QByteArray reply = "00 01 2C 10 00 08 00 00 01 00 00 00 00 00 00 00";
    ASSERT_EQ(reply.size(), kStatusReplyLength);
    const Parsed<int> next = parseStatusReply(reply);
    EXPECT_EQ(next.state, ParseState::Done);
    EXPECT_EQ(next.value, 300);
    QByteArray lowerCase = reply;
    lowerCase[6] = 'c';
    EXPECT_EQ(parseStatusReply(lowerCase).state, ParseState::Bad);
}

// Twelve digits show; those that make no date (a clock that lost its battery)
// are no moment. Noise, or a reply cut and followed by more, is bad.
TEST(ClockReply, ShowsTwelveDigitsAsDateAndTimeAndIsBadOtherwise) {
    const Parsed<LoggerClock> clock = parseClockReply("240305123045\r");
    ASSERT_EQ(clock.state, ParseState::Done);
    EXPECT_EQ(clock.value.date, "05/03/24");
    EXPECT_EQ(clock.value.time, "12:30:45");
    EXPECT_EQ(clock.value.moment, QDateTime(QDate(2024, 3, 5), QTime(12, 30, 45)));
    EXPECT_EQ(parseClockReply("000000000000\r").value.date, "00/00/00");
    for (const QByteArray reply :
         {"000000000000\r", "241305123045\r", "240231123045\r", "240305256000\r"}) {
        ASSERT_EQ(parseClockReply(reply).state, ParseState::Done) << reply.constData();
        EXPECT_FALSE(parseClockReply(reply).value.moment.isValid()) << reply.constData();
    }
    for (const QByteArray reply : {"2403051230x5\r", "24030512\r!!!!", " 240305123045",
                                   "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\r"})
        EXPECT_EQ(parseClockReply(reply).state, ParseState::Bad) << reply.toHex().constData();
}

TEST(DigitalInputsReply, TakesEachContactFromItsPosition) {
    // Positions 5, 8, ... 20 and 23, 26, ... 38 (from 1) carry the contacts.
    QByteArray reply(399, '0');
    for (int i = 2; i < 399; i += 3)
        reply[i] = ' ';
    const char contacts[] = "101100010011";
    for (int k = 0; k < 12; ++k)
        reply[4 + 3 * k] = contacts[k];
    const Parsed<DigitalInputsReading> inputs = parseDigitalInputsReply(reply + '\r');
    ASSERT_EQ(inputs.state, ParseState::Done);
    EXPECT_EQ(inputs.value.input1, "101100");
    EXPECT_EQ(inputs.value.input2, "010011");
}

// The call is up when characters one to five start "CONNECT"; "OK" is
// characters three and four.
TEST(ModemReplies, AreReadAtTheirPlaces) {
    EXPECT_TRUE(answersConnect("\r\nCONNECT 9600\r\n"));
    EXPECT_TRUE(answersConnect("CONNECT 2400\r\n"));
    EXPECT_TRUE(answersConnect("\r\n\r\nCONNECT 9600"));
    EXPECT_FALSE(answersConnect("\r\nCARRIER CONNECT"));
    EXPECT_FALSE(answersConnect("\r\n\r\n\r\nCONNECT 9600"));
    EXPECT_FALSE(answersConnect("\r\nNO CARRIER\r\n\r\n"));
    EXPECT_FALSE(answersConnect("\r\nBUSY\r\n\r\nBUSY\r\n"));
    EXPECT_FALSE(answersConnect("\r\nCONNEC"));
    EXPECT_TRUE(answersOk("\r\nOK\r\n"));
    EXPECT_FALSE(answersOk("OK\r\n"));
    EXPECT_FALSE(answersOk("\r\nERROR\r\n"));
    EXPECT_FALSE(answersOk("\r\nO"));
}

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

// The separator is whatever stands between the bytes; the last may be left out.
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
