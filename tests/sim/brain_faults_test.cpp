#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

const QByteArray kWake(200, '\xFF');
const QByteArray kStatusRequest = QByteArray("\x80") + "j\r";

// What a well-behaved logger sends for the status request: "!" and the reply.
QByteArray cleanStatusExchange() {
    BrainDriver logger;
    logger.send(kWake);
    return logger.send(kStatusRequest);
}

TEST(Faults, SilentLoggerAnswersNothingButStillListens) {
    BrainDriver logger;
    logger.brain.faults().silent = true;
    EXPECT_TRUE(logger.brain.receive(kWake + kStatusRequest).isEmpty());
    EXPECT_EQ(logger.brain.commands(), QList<QByteArray>{"j"});
}

TEST(Faults, SlowLoggerDelaysEveryEmission) {
    BrainDriver clean;
    clean.send(kWake);
    const QList<Emission> normal = clean.brain.receive(kStatusRequest);

    BrainDriver slow;
    slow.brain.faults().slowMs = 1500;
    slow.send(kWake);
    const QList<Emission> late = slow.brain.receive(kStatusRequest);
    ASSERT_EQ(late.size(), 2);
    EXPECT_EQ(late[0].delayMs, 1500);
    EXPECT_EQ(late[1].delayMs, normal[1].delayMs + 1500);
    EXPECT_EQ(late[1].bytes, normal[1].bytes);
}

TEST(Faults, WrongHandshakeCharacterReplacesTheExclamationMark) {
    BrainDriver logger;
    logger.brain.faults().handshakeReply = 'x';
    logger.send(kWake);
    const QByteArray sent = logger.send(kStatusRequest);
    EXPECT_EQ(sent.left(1), "x");
    EXPECT_EQ(sent.mid(1), cleanStatusExchange().mid(1));
}

// Byte n of the conversation (from 1, "!" included) is hit when n is a
// multiple of N.
TEST(Faults, DroppedBytesFollowOneRhythmAcrossReplies) {
    BrainDriver logger;
    logger.brain.faults().dropEveryNth = 3;
    logger.send(kWake);
    const QByteArray clean = cleanStatusExchange();
    QByteArray expected;
    for (int i = 0; i < clean.size(); ++i) {
        if ((i + 1) % 3 != 0)
            expected += clean.at(i);
    }
    EXPECT_EQ(logger.send(kStatusRequest), expected);
    // 48 bytes went before; these handshakes are bytes 49, 50 and 51.
    EXPECT_EQ(logger.send("\x80"), "!");
    EXPECT_EQ(logger.send("\x80"), "!");
    EXPECT_EQ(logger.send("\x80"), "");
}

TEST(Faults, CorruptedBytesBecomeX) {
    BrainDriver logger;
    logger.brain.faults().corruptEveryNth = 2;
    logger.send(kWake);
    QByteArray expected = cleanStatusExchange();
    for (int i = 1; i < expected.size(); i += 2)
        expected[i] = 'x';
    EXPECT_EQ(logger.send(kStatusRequest), expected);
}

TEST(Faults, CutRepliesKeepTheirBeginning) {
    BrainDriver logger;
    logger.brain.faults().cutRepliesTo = 10;
    logger.send(kWake);
    EXPECT_EQ(logger.send(kStatusRequest), cleanStatusExchange().left(11));
    EXPECT_EQ(logger.command("H"), "2403051230");
}

TEST(Faults, LoggerFallsSilentAfterSomeCommands) {
    BrainDriver logger;
    logger.brain.faults().silentAfterCommands = 2;
    EXPECT_EQ(logger.command("z"), "");
    EXPECT_EQ(logger.command("H").size(), 13) << "the second command is still answered";
    EXPECT_EQ(logger.send("\x80"), "");
    EXPECT_EQ(logger.send("j\r"), "");
    EXPECT_EQ(logger.brain.commands().size(), 3);
}

TEST(Faults, SilentAfterNoCommandsNeverHandshakes) {
    BrainDriver logger;
    logger.brain.faults().silentAfterCommands = 0;
    EXPECT_EQ(logger.send(kWake + "\x80"), "");
}

} // namespace
} // namespace korven::sim::test
