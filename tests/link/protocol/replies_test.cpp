#include "link/protocol/clock_reply.h"
#include "link/protocol/hex_value.h"
#include "link/protocol/modem_replies.h"
#include "link/protocol/reading_reply.h"
#include "link/protocol/status_reply.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(HexToValue, ReadsFourUpperCaseDigitsAndNothingElse) {
    EXPECT_EQ(hexToValue("0000"), 0);
    EXPECT_EQ(hexToValue("00FF"), 255);
    EXPECT_EQ(hexToValue("1A2B"), 6699);
    EXPECT_EQ(hexToValue("FFFF"), 65535);
    EXPECT_EQ(hexToValue("00ff"), std::nullopt);
    EXPECT_EQ(hexToValue("00 F"), std::nullopt);
    EXPECT_EQ(hexToValue("00F"), std::nullopt);
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

TEST(ClockReply, ShowsDateAndTimeFromTwelveDigits) {
    const Parsed<LoggerClock> clock = parseClockReply("240305123045\r");
    ASSERT_EQ(clock.state, ParseState::Done);
    EXPECT_EQ(clock.value.date, "05/03/24");
    EXPECT_EQ(clock.value.time, "12:30:45");
    EXPECT_EQ(clock.value.moment, QDateTime(QDate(2024, 3, 5), QTime(12, 30, 45)));
}

// Noise or a reply cut and followed by something else never makes a date.
TEST(ClockReply, IsBadUnlessTwelveDigitsCome) {
    for (const QByteArray reply : {"2403051230x5\r", "24030512\r!!!!", " 240305123045",
                                   "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\r"})
        EXPECT_EQ(parseClockReply(reply).state, ParseState::Bad) << reply.toHex().constData();
}

// A clock that lost its battery still shows what it says, but is no moment.
TEST(ClockReply, DigitsThatMakeNoDateShowButAreNoMoment) {
    for (const QByteArray reply :
         {"000000000000\r", "241305123045\r", "240231123045\r", "240305256000\r"}) {
        const Parsed<LoggerClock> clock = parseClockReply(reply);
        ASSERT_EQ(clock.state, ParseState::Done) << reply.constData();
        EXPECT_FALSE(clock.value.moment.isValid()) << reply.constData();
    }
    EXPECT_EQ(parseClockReply("000000000000\r").value.date, "00/00/00");
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

TEST(ModemReplies, CallIsUpWhenCharactersOneToFiveStartConnect) {
    EXPECT_TRUE(answersConnect("\r\nCONNECT 9600\r\n"));
    EXPECT_TRUE(answersConnect("CONNECT 2400\r\n"));
    EXPECT_TRUE(answersConnect("\r\n\r\nCONNECT 9600"));
    // A "C" of something else first, or "CONNECT" too far in, is no call.
    EXPECT_FALSE(answersConnect("\r\nCARRIER CONNECT"));
    EXPECT_FALSE(answersConnect("\r\n\r\n\r\nCONNECT 9600"));
    EXPECT_FALSE(answersConnect("\r\nNO CARRIER\r\n\r\n"));
    EXPECT_FALSE(answersConnect("\r\nBUSY\r\n\r\nBUSY\r\n"));
    EXPECT_FALSE(answersConnect("\r\nCONNEC"));
}

TEST(ModemReplies, OkIsCharactersThreeAndFour) {
    EXPECT_TRUE(answersOk("\r\nOK\r\n"));
    EXPECT_FALSE(answersOk("OK\r\n"));
    EXPECT_FALSE(answersOk("\r\nERROR\r\n"));
    EXPECT_FALSE(answersOk("\r\nO"));
}

} // namespace
} // namespace korven
