#include "download/engineering_values.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(EngineeringValues, PutTheChannelsDecimalPointIntoTheStoredDigits) {
    EXPECT_EQ(engineeringText("+12345", 2), "123.45");
    EXPECT_EQ(engineeringText("-12345", 2), "-123.45");
    EXPECT_EQ(engineeringText("-00001", 2), "-0.01");
    EXPECT_EQ(engineeringText("+00001", 4), "0.0001");
    EXPECT_EQ(engineeringText("+19999", 1), "1999.9");
    EXPECT_EQ(engineeringText("+00100", 0), "100");
    EXPECT_EQ(engineeringText("-00100", 3), "-0.100");
    // A word with the sign bit clear and nothing else is a zero, not "-0".
    EXPECT_EQ(engineeringText("-00000", 2), "0.00");
    EXPECT_EQ(engineeringText("+00000", 0), "0");

    EXPECT_DOUBLE_EQ(*engineeringValue("+12345", 2), 123.45);
    EXPECT_DOUBLE_EQ(*engineeringValue("-00250", 1), -25.0);
}

TEST(EngineeringValues, LeaveWhatIsNoChannelValueEmpty) {
    for (const char* text : {"", "12345", "+1234", "+123456", "+12a45", " +1234"}) {
        EXPECT_EQ(engineeringText(text, 2), "") << text;
        EXPECT_FALSE(engineeringValue(text, 2)) << text;
    }
}

TEST(BlockMoment, ReadsTheGridsDateAndTimeAsThisCenturys) {
    EXPECT_EQ(blockMoment("05/03/24", "12:30:45"), QDateTime(QDate(2024, 3, 5), QTime(12, 30, 45)));
    EXPECT_EQ(blockMoment("29/02/00", "00:00:00"), QDateTime(QDate(2000, 2, 29), QTime(0, 0)));
    // A block never written reads FF everywhere.
    EXPECT_FALSE(blockMoment("FF/FF/FF", "FF:FF:FF").isValid());
    EXPECT_FALSE(blockMoment("31/02/24", "12:00:00").isValid());
    EXPECT_FALSE(blockMoment("05/03/24", "24:00:00").isValid());
    EXPECT_FALSE(blockMoment("", "").isValid());
}

} // namespace
} // namespace korven
