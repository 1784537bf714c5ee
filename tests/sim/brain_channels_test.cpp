#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// Channel 3: "PRESSIONE ", unit 3, type 6, two decimals, supply 4, active,
// scaling on, gain +12345, zero -00150.
const QByteArray kPressure = "P3PRESSIONE 3612411+30391-009658061";

// A channel command for `channel` with the given activation, decimals,
// scaling, gain and zero (signed four-digit hexadecimal magnitudes).
QByteArray channelCommand(int channel, char active, char decimals, char scaling,
                          const QByteArray& gain = "+2710", const QByteArray& zero = "+0000") {
    return "P" + QByteArray::number(channel) + "CANALE    " + "76" + "1" + decimals + "0" + active +
           scaling + gain + scaling + zero + "58061";
}

// The sign-bit word of `channel` in the newest block.
QByteArray newestWord(BrainDriver& logger, int channel) {
    const QByteArray reply = logger.command("S12B");
    const int first = 6 * channel + 49;
    return at(reply, first) + at(reply, first + 3);
}

QByteArray liveDigits(BrainDriver& logger, int channel) {
    QByteArray reading = logger.command("F" + QByteArray::number(channel));
    return reading.remove(reading.indexOf('.'), 1).left(6);
}

TEST(ChannelCommand, EveryFieldIsRemembered) {
    BrainDriver logger;
    EXPECT_EQ(logger.command(kPressure), "");
    const ChannelParameters& channel = logger.brain.channel(3);
    EXPECT_EQ(channel.description, "PRESSIONE ");
    EXPECT_EQ(channel.unit, '3');
    EXPECT_EQ(channel.inputType, '6');
    EXPECT_EQ(channel.decimals, 2);
    EXPECT_EQ(channel.supply, '4');
    EXPECT_TRUE(channel.active);
    EXPECT_TRUE(channel.scaling);
    EXPECT_EQ(channel.gain, 12345);
    EXPECT_EQ(channel.zero, -150);
    EXPECT_EQ(logger.brain.channel(2), ChannelParameters{});
}

TEST(ChannelCommand, ACommandOffTheLayoutChangesNothing) {
    const QList<QByteArray> broken = {
        kPressure.left(34),                        // one character short
        kPressure + " ",                           // one too many
        QByteArray(kPressure).replace(1, 1, "8"),  // no channel 8
        QByteArray(kPressure).replace(14, 1, "0"), // the fixed "1"
        QByteArray(kPressure).replace(17, 1, "2"), // activation flag
        QByteArray(kPressure).replace(24, 1, "0"), // scaling given twice differently
        QByteArray(kPressure).replace(19, 1, "*"), // gain sign
        QByteArray(kPressure).replace(21, 1, "a"), // lower-case hexadecimal
        QByteArray(kPressure).replace(30, 5, "58062"),
    };
    for (const QByteArray& command : broken) {
        BrainDriver logger;
        logger.command(command);
        EXPECT_EQ(logger.brain.channel(3), ChannelParameters{}) << command.constData();
    }
}

TEST(ChannelCommand, InactiveChannelsReadZero) {
    BrainDriver logger;
    logger.command(channelCommand(5, '0', '1', '0'));
    EXPECT_EQ(newestWord(logger, 5), "8000");
    EXPECT_EQ(logger.command("F5"), "+0000.0 \r");
    EXPECT_NE(newestWord(logger, 4), "8000");
}

TEST(ChannelCommand, DecimalsMoveThePointButLeaveTheValue) {
    BrainDriver logger;
    logger.command(channelCommand(2, '1', '0', '0'));
    const QByteArray word = newestWord(logger, 2);
    const QByteArray plain = logger.command("F2");
    EXPECT_EQ(plain.size(), 9);
    EXPECT_EQ(plain.indexOf('.'), -1);

    logger.command(channelCommand(2, '1', '2', '0'));
    EXPECT_EQ(newestWord(logger, 2), word);
    const QByteArray pointed = logger.command("F2");
    EXPECT_EQ(pointed.size(), 9);
    EXPECT_EQ(pointed.at(4), '.');
    EXPECT_EQ(pointed.at(7), ' ');
    EXPECT_EQ(liveDigits(logger, 2), plain.left(6));
}

TEST(ChannelCommand, ScalingAppliesGainAndZero) {
    BrainDriver logger;
    const QByteArray unscaled = liveDigits(logger, 1);

    // A gain of 10000 (2710 in hexadecimal) leaves the reading as it is.
    logger.command(channelCommand(1, '1', '0', '1', "+2710"));
    EXPECT_EQ(liveDigits(logger, 1), unscaled);

    logger.command(channelCommand(1, '1', '0', '1', "-2710"));
    EXPECT_EQ(liveDigits(logger, 1).mid(1), unscaled.mid(1));
    EXPECT_NE(liveDigits(logger, 1).at(0), unscaled.at(0));

    logger.command(channelCommand(1, '1', '0', '1', "+0000", "-0064"));
    EXPECT_EQ(liveDigits(logger, 1), "-00100");
    EXPECT_EQ(newestWord(logger, 1), "0064");

    logger.command(channelCommand(1, '1', '0', '1', "+0000", "+4E1F"));
    EXPECT_EQ(newestWord(logger, 1), "CE1F");
}

TEST(ChannelCount, FourChannelsLeaveTheUpperFourAtZero) {
    BrainDriver logger;
    logger.command("C0");
    EXPECT_EQ(logger.brain.channelCount(), 4);
    for (int channel = 4; channel < 8; ++channel) {
        EXPECT_EQ(newestWord(logger, channel), "8000");
        EXPECT_EQ(logger.command("F" + QByteArray::number(channel)), "+00000  \r");
    }
    EXPECT_NE(newestWord(logger, 3), "8000");

    logger.command("C1");
    EXPECT_EQ(logger.brain.channelCount(), 8);
    EXPECT_NE(newestWord(logger, 7), "8000");
}

} // namespace
} // namespace korven::sim::test
