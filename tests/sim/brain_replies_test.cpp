#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// The forms a logger's replies may take; the layouts are the parsers' tests'.
TEST(BlockReply, TakesEveryFormWithTheDateAndTimeFirst) {
    // The form, and the length before the CR.
    for (const auto& [form, length] : {std::pair{BlockForm{' ', false}, 95}, {{'-', true}, 96}}) {
        SCOPED_TRACE(length);
        BrainDriver logger({.blockForm = form});
        const QByteArray newest = logger.command("S12B"); // block 299
        ASSERT_EQ(newest.size(), length + 1);
        EXPECT_EQ(newest.back(), '\r');
        EXPECT_EQ(newest.at(95), length == 96 ? form.separator : '\r');
        const auto withSeparator = [&form](QByteArray text) {
            return text.replace(' ', form.separator);
        };
        EXPECT_EQ(newest.left(17), withSeparator("24 03 05 12 30 00"));
        EXPECT_EQ(at(logger.command("S000"), 1, 17), withSeparator("24 03 03 10 40 00"));
        // Block 300 is the next to be written.
        EXPECT_EQ(logger.command("S12C").left(length),
                  withSeparator(QByteArray("FF ").repeated(32)).left(length));
    }
}

TEST(BlockReply, ThreeDigitsNameTheNewestBlockWithThem) {
    BrainDriver logger({.blocks = 4096 + 10});
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

// Each fault the program's tests use, seen on two clock requests after a
// wake-up: "!" and "240305123000\r" each, as sent.
TEST(BrainFaults, EachFaultSpoilsTheLineAsItSays) {
    const QByteArray whole = "!240305123000\r";
    struct Case {
        FaultPlan plan;
        QByteArray heard;
    };
    const Case cases[] = {
        {{}, whole + whole},
        {{.silent = true}, ""},
        {{.neverWakes = true}, ""},
        {{.handshakeReply = '?'}, "?240305123000\r?240305123000\r"},
        {{.corruptEveryNth = 6}, "!2403x51230x0\r!24x30512x000\r"},
        {{.corruptEveryNthReply = 2}, whole + "!240305x23000\r"},
        {{.cutRepliesTo = 5}, "!24030!24030"},
        {{.silentAfterCommands = 1}, whole},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heard.constData());
        BrainDriver logger;
        logger.brain.faults() = c.plan;
        EXPECT_EQ(logger.send(QByteArray(200, '\xFF') + "\x80H\r\x80H\r"), c.heard);
    }
}

} // namespace
} // namespace korven::sim::test
