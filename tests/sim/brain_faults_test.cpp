#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

TEST(BrainFaults, ALoggerThatNeverWakesSleepsThroughEveryBurst) {
    BrainDriver logger;
    logger.brain.faults().neverWakes = true;
    EXPECT_EQ(logger.send(QByteArray(200, '\xFF') + "\x80" + "j\r"), "");
    EXPECT_TRUE(logger.brain.commands().isEmpty());
}

TEST(BrainFaults, EveryNthReplyHasOneCharacterSpoiledTheHandshakeLeftAlone) {
    BrainDriver logger;
    logger.brain.faults().corruptEveryNthReply = 2;
    const QByteArray good = logger.command("j");
    logger.send("\x80");
    const QByteArray spoiled = logger.send("j\r");
    ASSERT_EQ(spoiled.size(), 47);
    EXPECT_EQ(spoiled.at(23), 'x');
    EXPECT_EQ(spoiled.left(23) + spoiled.mid(24), good.left(23) + good.mid(24));
    EXPECT_EQ(logger.send(QByteArray("\x80") + "H\r"), "!240305123000\r");
}

TEST(BrainFaults, ASlowLoggerAnswersLaterAndACutOneShort) {
    BrainDriver logger;
    logger.send(QByteArray(200, '\xFF'));
    logger.brain.faults().slowMs = 1500;
    logger.brain.faults().cutRepliesTo = 5;
    const QList<Emission> out = logger.brain.receive(QByteArray("\x80") + "H\r");
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].delayMs, 1500);
    EXPECT_GE(out[1].delayMs, 1500);
    EXPECT_EQ(out[1].bytes, "24030");
}

TEST(BrainFaults, SilentAfterSomeCommandsAnswersNothingMore) {
    BrainDriver logger;
    logger.brain.faults().silentAfterCommands = 1;
    EXPECT_EQ(logger.command("H").size(), 13);
    EXPECT_EQ(logger.send(QByteArray("\x80") + "H\r"), "");
    EXPECT_EQ(logger.brain.commands().size(), 2); // still taken in
}

} // namespace
} // namespace korven::sim::test
