#include "link/protocol/commands.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/logger_setup_layouts.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

Record channelRecord(const LoggerChannelBytes& channel) {
    Record record(LoggerChannelLayout::recordLength);
    record.setBytes(channel.bytes());
    return record;
}

// Channel 3 of the example: PRESSIONE, mm, 2V, two decimals, 24 V supply,
// active, scaled, gain +12345, zero -00150.
LoggerChannelBytes pressure() {
    LoggerChannelBytes channel;
    channel.description = "PRESSIONE ";
    channel.active = "ON ";
    channel.gain = "+12345";
    channel.zero = "-00150";
    channel.inputType = "6";
    channel.decimals = "2";
    channel.supply = "4";
    channel.unit = "3";
    channel.scalingCopy = "ON ";
    channel.scaling = "ON ";
    return channel;
}

// Positions of the command, counted from 1.
QByteArray at(const QByteArray& command, int from, int length = 1) {
    return command.mid(from - 1, length);
}

TEST(ChannelParametersCommand, IsBuiltFieldByFieldFromTheChannelRecord) {
    const QByteArray command = command::channelParameters(3, channelRecord(pressure()));
    // Channel, description, the codes and flags, gain and zero in hexadecimal
    // with their flags, and the fixed tail.
    const QByteArray expected = "P3PRESSIONE 3612411+30391-009658061";
    EXPECT_EQ(command, expected);
}

TEST(ChannelParametersCommand, CarriesSignsFlagsAndMagnitudesAsStored) {
    LoggerChannelBytes channel = pressure();
    channel.gain = "-19999";
    channel.zero = "+00000";
    channel.active = "OFF";
    // The command reads the copy of the scaling flag, not the editor's one.
    channel.scalingCopy = "OFF";
    channel.scaling = "ON ";
    const QByteArray command = command::channelParameters(7, channelRecord(channel));
    EXPECT_EQ(at(command, 2), "7");
    EXPECT_EQ(at(command, 18), "0") << "inactive channels are sent too";
    EXPECT_EQ(at(command, 19), "0");
    EXPECT_EQ(at(command, 20, 5), "-4E1F");
    EXPECT_EQ(at(command, 25), "0");
    EXPECT_EQ(at(command, 26, 5), "+0000");

    // Anything but "OFF" is on.
    channel.active = "on ";
    channel.scalingCopy = "XYZ";
    const QByteArray lowerCase = command::channelParameters(7, channelRecord(channel));
    EXPECT_EQ(at(lowerCase, 18, 2), "11");
    EXPECT_EQ(at(lowerCase, 25), "1");
}

TEST(ChannelParametersCommand, CurrentLoopsAndPt100KeepTheirLetters) {
    LoggerChannelBytes channel = pressure();
    const std::pair<QByteArray, QByteArray> types[] = {
        {"A", "A"}, {"B", "B"}, {"C", "C"}, {"9", "9"}, {"0", "0"}, {"D", "0"}, {" ", "0"}};
    for (const auto& [stored, sent] : types) {
        channel.inputType = stored;
        EXPECT_EQ(at(command::channelParameters(0, channelRecord(channel)), 14), sent)
            << stored.constData();
    }
}

TEST(ChannelParametersCommand, PutsNothingButPrintableCharactersOnTheLine) {
    // A set never saved: the reset left "OFF", the zero "00000 " and the
    // codes "0"; description, gain and scaling flags are zero bytes.
    Record fresh(LoggerChannelLayout::recordLength);
    fresh.setText(LoggerChannelLayout::activeFlag, QStringLiteral("OFF"));
    fresh.setText(LoggerChannelLayout::zero, QStringLiteral("00000"));
    for (const TextField field : {LoggerChannelLayout::inputType, LoggerChannelLayout::decimals,
                                  LoggerChannelLayout::supply, LoggerChannelLayout::unit})
        fresh.setText(field, QStringLiteral("0"));
    const QByteArray expected = "P0          0010001-00001-000058061";
    EXPECT_EQ(command::channelParameters(0, fresh), expected);

    // A CR would end the command early; a byte of 128 and up selects a logger.
    LoggerChannelBytes channel = pressure();
    channel.description = "T\r\n\xB0"
                          "C\x01\x7F"
                          "ok ";
    channel.unit = QByteArray(1, '\0');
    const QByteArray command = command::channelParameters(1, channelRecord(channel));
    EXPECT_EQ(at(command, 3, 10), "T   C  ok ");
    EXPECT_EQ(at(command, 13), " ");
    EXPECT_EQ(command.size(), 35);
}

} // namespace
} // namespace korven::test
