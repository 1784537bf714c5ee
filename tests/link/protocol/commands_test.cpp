#include "link/protocol/commands.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/logger_setup_layouts.h"

#include <gtest/gtest.h>

#include <functional>

namespace korven::test {
namespace {

// The "P" command for channel 3 of the example (PRESSIONE, mm, 2V, two
// decimals, 24 V supply, active, scaled, gain +12345, zero -00150) sent as
// `channel`, once `change` has been made to its record.
QByteArray pressure(int channel, const std::function<void(LoggerChannelBytes&)>& change = {}) {
    LoggerChannelBytes bytes;
    bytes.description = "PRESSIONE ";
    bytes.active = "ON ";
    bytes.gain = "+12345";
    bytes.zero = "-00150";
    bytes.inputType = "6";
    bytes.decimals = "2";
    bytes.supply = "4";
    bytes.unit = "3";
    bytes.scalingCopy = "ON ";
    bytes.scaling = "ON ";
    if (change)
        change(bytes);
    Record record(LoggerChannelLayout::recordLength);
    record.setBytes(bytes.bytes());
    return command::channelParameters(channel, record);
}

// A set never saved: the reset left "OFF", the zero "00000 " and the codes
// "0"; description, gain and scaling flags are zero bytes.
QByteArray neverSaved() {
    Record fresh(LoggerChannelLayout::recordLength);
    fresh.setText(LoggerChannelLayout::activeFlag, QStringLiteral("OFF"));
    fresh.setText(LoggerChannelLayout::zero, QStringLiteral("00000"));
    for (const TextField field : {LoggerChannelLayout::inputType, LoggerChannelLayout::decimals,
                                  LoggerChannelLayout::supply, LoggerChannelLayout::unit})
        fresh.setText(field, QStringLiteral("0"));
    return command::channelParameters(0, fresh);
}

TEST(Commands, AreTheBytesTheLoggerExpects) {
    const auto inputType = [](const char* stored) {
        return pressure(0, [stored](LoggerChannelBytes& c) { c.inputType = stored; });
    };
    const std::pair<QByteArray, QByteArray> commands[] = {
        {command::wakeBurst(), QByteArray(200, '\xFF')},
        {command::address(0), "\x80"},
        {command::address(9), "\x89"},
        {command::channelReading(3, 1), "F3"},
        {command::channelReading(3, 2), "F03"},
        {command::clockSetting(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))), "G240305090703"},
        {command::clockSetting(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))), "G991231235959"},
        {command::scanSetting(7, 0), "M70"},
        {command::scanSetting(3, 1), "M31"},
        // The block by the last three hexadecimal digits of its number.
        {command::blockRequest(26), "S01A"},
        {command::blockRequest(0), "S000"},
        {command::blockRequest(4095), "SFFF"},
        {command::blockRequest(4096), "S000"},
        {command::blockRequest(4099), "S003"},
        // Channel, description, the codes and flags, gain and zero in
        // hexadecimal with their flags, and the fixed tail.
        {pressure(3), "P3PRESSIONE 3612411+30391-009658061"},
        // Inactive channels go out too; the scaling flag sent is the copy,
        // not the editor's own.
        {pressure(7,
                  [](LoggerChannelBytes& c) {
                      c.gain = "-19999";
                      c.zero = "+00000";
                      c.active = "OFF";
                      c.scalingCopy = "OFF";
                  }),
         "P7PRESSIONE 3612400-4E1F0+000058061"},
        // Anything but "OFF" is on.
        {pressure(7,
                  [](LoggerChannelBytes& c) {
                      c.active = "on ";
                      c.scalingCopy = "XYZ";
                  }),
         "P7PRESSIONE 3612411+30391-009658061"},
        // Current loops and Pt100 keep their letters; other codes are "0".
        {inputType("A"), "P0PRESSIONE 3A12411+30391-009658061"},
        {inputType("B"), "P0PRESSIONE 3B12411+30391-009658061"},
        {inputType("C"), "P0PRESSIONE 3C12411+30391-009658061"},
        {inputType("9"), "P0PRESSIONE 3912411+30391-009658061"},
        {inputType("D"), "P0PRESSIONE 3012411+30391-009658061"},
        {inputType(" "), "P0PRESSIONE 3012411+30391-009658061"},
        {neverSaved(), "P0          0010001-00001-000058061"},
        // A CR would end the command early; a byte of 128 and up selects a
        // logger: nothing but printable characters goes on the line.
        {pressure(1,
                  [](LoggerChannelBytes& c) {
                      c.description = "T\r\n\xB0"
                                      "C\x01\x7F"
                                      "ok ";
                      c.unit = QByteArray(1, '\0');
                  }),
         "P1T   C  ok  612411+30391-009658061"},
    };
    for (const auto& [sent, expected] : commands)
        EXPECT_EQ(sent, expected);
}

} // namespace
} // namespace korven::test
