#include "link/protocol/commands.h"
#include "logger_setup/logger_setup_layouts.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(Commands, AreTheBytesTheLoggerExpects) {
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
    };
    for (const auto& [sent, expected] : commands)
        EXPECT_EQ(sent, expected);
}

// The channel's record as stored: description (10), active flag (3), gain and
// zero (6 each), input type, decimals, supply and unit (1 each), the scaling
// flag's copy and the editor's own scaling flag (3 each).
TEST(Commands, ChannelParametersGoOutAsTheLoggerReadsThem) {
    const struct {
        int channel;
        QByteArray record, sent;
    } cases[] = {
        // Gain and zero in hexadecimal with their flags, then the fixed tail.
        {3, "PRESSIONE ON +12345-001506243ON ON ", "P3PRESSIONE 3612411+30391-009658061"},
        // Inactive channels go out too; the scaling flag sent is the copy.
        {7, "PRESSIONE OFF-19999+000006243OFFON ", "P7PRESSIONE 3612400-4E1F0+000058061"},
        // Anything but "OFF" is on.
        {7, "PRESSIONE on +12345-001506243XYZON ", "P7PRESSIONE 3612411+30391-009658061"},
        // Current loops and Pt100 keep their letters; other codes are "0".
        {0, "PRESSIONE ON +12345-00150A243ON ON ", "P0PRESSIONE 3A12411+30391-009658061"},
        {0, "PRESSIONE ON +12345-00150B243ON ON ", "P0PRESSIONE 3B12411+30391-009658061"},
        {0, "PRESSIONE ON +12345-00150C243ON ON ", "P0PRESSIONE 3C12411+30391-009658061"},
        {0, "PRESSIONE ON +12345-001509243ON ON ", "P0PRESSIONE 3912411+30391-009658061"},
        {0, "PRESSIONE ON +12345-00150D243ON ON ", "P0PRESSIONE 3012411+30391-009658061"},
        {0, "PRESSIONE ON +12345-00150 243ON ON ", "P0PRESSIONE 3012411+30391-009658061"},
        // Never saved: zero bytes but for the reset's "OFF", zero and codes.
        {0,
         "\0\0\0\0\0\0\0\0\0\0OFF\0\0\0\0\0\0"
         "00000 0000\0\0\0\0\0\0"_ba,
         "P0          0010001-00001-000058061"},
        // A CR would end the command, a byte from 128 select a logger.
        {1,
         "T\r\n\xB0"
         "C\x01\x7Fok ON +12345-00150624\0ON ON "_ba,
         "P1T   C  ok  612411+30391-009658061"},
    };
    for (const auto& c : cases) {
        Record record(LoggerChannelLayout::recordLength);
        record.setBytes(c.record);
        EXPECT_EQ(command::channelParameters(c.channel, record), c.sent)
            << c.record.toHex().constData();
    }
}

} // namespace
} // namespace korven::test
