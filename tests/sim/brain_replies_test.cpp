#include "brain_driver.h"
#include "sim/reading_format.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// The replies' layouts are what the program's parsers read, and its tests
// read them from this logger; here, the forms a logger may take.
TEST(BlockReply, TakesEveryFormWithTheDateAndTimeFirst) {
    struct Case {
        BlockForm form;
        int length; // before the CR
    };
    for (const Case& c : {Case{{' ', false}, 95}, Case{{'-', true}, 96}}) {
        SCOPED_TRACE(c.length);
        LoggerConfig config;
        config.blockForm = c.form;
        BrainDriver logger(config);
        const QByteArray newest = logger.command("S12B"); // block 299
        ASSERT_EQ(newest.size(), c.length + 1);
        EXPECT_EQ(newest.back(), '\r');
        EXPECT_EQ(newest.at(95), c.length == 96 ? c.form.separator : '\r');
        const auto withSeparator = [&c](QByteArray text) {
            return text.replace(' ', c.form.separator);
        };
        EXPECT_EQ(newest.left(17), withSeparator("24 03 05 12 30 00"));
        EXPECT_EQ(at(logger.command("S000"), 1, 17), withSeparator("24 03 03 10 40 00"));
        // Block 300 is the next to be written.
        EXPECT_EQ(logger.command("S12C").left(c.length),
                  withSeparator(QByteArray("FF ").repeated(32)).left(c.length));
    }
}

TEST(BlockReply, ThreeDigitsNameTheNewestBlockWithThem) {
    LoggerConfig config;
    config.blocks = 4096 + 10;
    BrainDriver logger(config);
    // Block 4096 took the place of block 0 in the ring; it is nine blocks
    // (90 minutes) older than the newest, block 4105.
    EXPECT_EQ(at(logger.command("S000"), 10, 8), "11 00 00");
    EXPECT_EQ(at(logger.command("S009"), 10, 8), "12 30 00");
    // 4106 is not written yet, but block 10 still is.
    EXPECT_NE(at(logger.command("S00A"), 1), "FF");
}

TEST(ReadingReply, OneAndTwoDigitFormsReadTheSameChannel) {
    BrainDriver logger;
    for (int channel = 0; channel < 8; ++channel) {
        const QByteArray one = logger.command("F" + QByteArray::number(channel));
        EXPECT_EQ(logger.command("F0" + QByteArray::number(channel)), one);
        ASSERT_EQ(one.size(), 9);
        EXPECT_EQ(one.mid(6), "  \r");
    }
}

TEST(ReadingReply, TheShortFormDropsTheZerosBeforeTheFirstDigitThatCounts) {
    const std::pair<std::pair<int, int>, const char*> cases[] = {
        {{1235, 2}, "+12.35"},   {{-5, 2}, "-0.05"}, {{7, 0}, "+7"},
        {{12345, 4}, "+1.2345"}, {{0, 1}, "+0.0"},   {{-150, 0}, "-150"}};
    for (const auto& [reading, shown] : cases)
        EXPECT_EQ(shortReading(reading.first, reading.second), shown) << shown;
    EXPECT_EQ(readingReply(1235, 2, true), "+12.35  \r");
}

} // namespace
} // namespace korven::sim::test
