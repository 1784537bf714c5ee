#include "brain_driver.h"
#include "sim/reading_format.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// `count` groups of two upper-case hexadecimal digits, `separator` between.
void expectHexGroups(const QByteArray& text, int count, char separator = ' ') {
    ASSERT_EQ(text.size(), 3 * count - 1);
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (i % 3 == 2)
            EXPECT_EQ(c, separator) << "at " << i;
        else
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << "at " << i;
    }
}

int wordAt(const QByteArray& bytes, int index) {
    return (quint8(bytes.at(index)) << 8) | quint8(bytes.at(index + 1));
}

TEST(StatusReply, CarriesTheNextBlockAtCharactersFourToEightAndDescribesTheLogger) {
    LoggerConfig config;
    config.code = 3;
    BrainDriver logger(config);
    const QByteArray reply = logger.command("j");
    expectHexGroups(reply, 16);
    EXPECT_EQ(at(reply, 4) + at(reply, 7), "012C");
    logger.command("C0");
    logger.command("M31");
    const QByteArray bytes = hexBytes(logger.command("j"));
    EXPECT_EQ(bytes.at(0), 3);
    EXPECT_EQ(wordAt(bytes, 3), 4096);
    EXPECT_EQ(bytes.mid(5, 3), QByteArray("\x04\x03\x01"));
}

TEST(BlockReply, StartsWithTheDateAndTimeInBcdInEveryForm) {
    struct Case {
        BlockForm form;
        int length; // before the CR
    };
    for (const Case& c : {Case{{' ', false}, 95}, Case{{' ', true}, 96}, Case{{'-', true}, 96},
                          Case{{'x', false}, 95}}) {
        SCOPED_TRACE(std::string(1, c.form.separator) +
                     (c.form.separatorAfterLast ? " after" : ""));
        LoggerConfig config;
        config.blockForm = c.form;
        BrainDriver logger(config);
        const QByteArray newest = logger.command("S12B"); // block 299
        ASSERT_EQ(newest.size(), c.length + 1);
        EXPECT_TRUE(newest.endsWith('\r'));
        expectHexGroups(newest.left(95), 32, c.form.separator);
        EXPECT_EQ(newest.at(95), c.length == 96 ? c.form.separator : '\r');
        const auto withSeparator = [&c](QByteArray text) {
            return text.replace(' ', c.form.separator);
        };
        EXPECT_EQ(newest.left(17), withSeparator("24 03 05 12 30 00"));
        EXPECT_EQ(at(logger.command("S12A"), 1, 17), withSeparator("24 03 05 12 20 00"));
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
        EXPECT_TRUE(one.startsWith('+') || one.startsWith('-')) << one.constData();
        for (char digit : one.mid(1, 5))
            EXPECT_TRUE(digit >= '0' && digit <= '9') << one.constData();
        EXPECT_EQ(one.mid(6), "  \r");
    }
}

TEST(ReadingReply, PlacesThePointByTheChannelDecimals) {
    BrainDriver logger;
    for (char decimals = '0'; decimals <= '4'; ++decimals) {
        ChannelFields fields;
        fields.channel = '2';
        fields.decimals = decimals;
        logger.command(fields.text());
        const QByteArray reply = logger.command("F2");
        ASSERT_EQ(reply.size(), 9) << reply.constData();
        const QByteArray shown = reply.left(8).trimmed();
        const int count = decimals - '0';
        EXPECT_EQ(shown.size(), count == 0 ? 6 : 7) << shown.constData();
        EXPECT_EQ(shown.indexOf('.'), count == 0 ? -1 : 6 - count) << shown.constData();
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

// The newest block was taken at the logger's present time, so it must agree
// with what the logger reads live at this instant; contacts sit at every
// third character from the fifth of "A0".
TEST(LiveAndStored, ANewBlockAgreesWithTheLiveReadings) {
    BrainDriver logger;
    const QByteArray block = logger.command("S12B");
    const QByteArray digital = logger.command("A0");
    ASSERT_EQ(digital.size(), 400);
    EXPECT_TRUE(digital.endsWith(" \r"));
    expectHexGroups(digital.left(398), 133);
    QByteArray contacts;
    for (int position = 5; position <= 38; position += 3) {
        EXPECT_EQ(digital.at(position - 2), '0') << position;
        EXPECT_TRUE(digital.at(position - 1) == '0' || digital.at(position - 1) == '1') << position;
        contacts += digital.at(position - 1);
    }
    EXPECT_EQ(contacts, at(block, 19) + at(block, 22) + at(block, 25) + at(block, 28) +
                            at(block, 31) + at(block, 34));

    const QByteArray bytes = hexBytes(block);
    for (int channel = 0; channel < 8; ++channel) {
        const int word = wordAt(bytes, 16 + 2 * channel); // the sign in the top bit
        const int stored = (word & 0x8000) ? (word & 0x7FFF) : -(word & 0x7FFF);
        const QByteArray live = logger.command("F" + QByteArray::number(channel));
        EXPECT_EQ(live.left(6).toInt(), stored) << "channel " << channel;
    }
}

} // namespace
} // namespace korven::sim::test
