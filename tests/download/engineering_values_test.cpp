// A channel's stored digits as values, the block's moment, and the chart's lines.
#include "download/engineering_values.h"

#include "download/chart_lines.h"
#include "support/qt_printers.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(EngineeringValues, PutTheChannelsDecimalPointIntoTheStoredDigitsOrLeaveNoValueEmpty) {
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

    // What is no channel value stays empty.
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

BlockText block(const QString& date, const QString& time, const QString& channel0,
                const QString& channel2) {
    BlockText text;
    text.date = date;
    text.time = time;
    text.channels.fill("+00000");
    text.channels[0] = channel0;
    text.channels[2] = channel2;
    return text;
}

double at(int hour, int minute) {
    return double(QDateTime(QDate(2024, 3, 5), QTime(hour, minute)).toMSecsSinceEpoch());
}

TEST(ChartLines, DrawEachActiveChannelThroughTheFetchedBlocksInTimeOrder) {
    RecordedChannels channels;
    channels[0] = {"TEMP", "V", 2, true};
    channels[1] = {"OFF", "V", 0, false};
    channels[2] = {"", "mm", 0, true};
    BlockGrid grid;
    grid.setupBlockGrid({}, 10, 5);
    grid.fillBlockRow(10, block("05/03/24", "12:10:00", "+00150", "-00007"), {});
    // The logger's clock was set back before this one was stored.
    grid.fillBlockRow(11, block("05/03/24", "12:00:00", "-00025", "+00003"), {});
    grid.fillBlockRow(12, block("FF/FF/FF", "FF:FF:FF", "+00000", "+00000"), {});
    // Block 13 never came.
    grid.fillBlockRow(14, block("05/03/24", "12:20:00", "+01000", "+00000"), {});

    const QList<ChartLine> lines = chartLines(grid, channels);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].channel, 0);
    EXPECT_EQ(lines[0].name, "TEMP (V)");
    EXPECT_EQ(lines[0].points,
              QList<QPointF>({{at(12, 0), -0.25}, {at(12, 10), 1.5}, {at(12, 20), 10.0}}));
    EXPECT_EQ(lines[1].channel, 2);
    EXPECT_EQ(lines[1].name, "Canale 2 (mm)");
    EXPECT_EQ(lines[1].points,
              QList<QPointF>({{at(12, 0), 3.0}, {at(12, 10), -7.0}, {at(12, 20), 0.0}}));
}

} // namespace
} // namespace korven
