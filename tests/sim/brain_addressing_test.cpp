#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

const QByteArray kWake(200, '\xFF');
const QByteArray kAddress("\x80");

TEST(BrainWakeUp, SleepingLoggerIgnoresEverythingButTheWakeByte) {
    BrainDriver logger;
    EXPECT_FALSE(logger.brain.isAwake());
    EXPECT_EQ(logger.send(kAddress + "j\r"), "");
    EXPECT_EQ(logger.send(QByteArray("\x81\xFE\r", 3)), "");
    EXPECT_FALSE(logger.brain.isAwake());
    EXPECT_TRUE(logger.brain.commands().isEmpty());
}

TEST(BrainWakeUp, OneWakeByteIsEnoughAndTheRestOfTheBurstIsIgnored) {
    BrainDriver single;
    EXPECT_EQ(single.send(QByteArray("\xFF\x80", 2)), "!");

    BrainDriver burst;
    EXPECT_EQ(burst.send(kWake), "");
    EXPECT_TRUE(burst.brain.isAwake());
    EXPECT_EQ(burst.send(kWake + kAddress), "!");
}

TEST(BrainAddressing, AnswersTheBroadcastAddressAndItsOwnCodeOnly) {
    LoggerConfig config;
    config.code = 5;
    BrainDriver logger(config);
    logger.send(kWake);
    EXPECT_EQ(logger.send("\x80"), "!");
    EXPECT_EQ(logger.send("\x85"), "!");
    EXPECT_EQ(logger.send(QByteArray("\x81\x86\xFE\xFF\r", 5)), "");
}

TEST(BrainAddressing, EveryCommandNeedsItsOwnAddressByte) {
    BrainDriver logger;
    EXPECT_EQ(logger.command("j").size(), 47);
    EXPECT_EQ(logger.send("j\r"), "");
    EXPECT_EQ(logger.brain.commands(), QList<QByteArray>{"j"});
    EXPECT_FALSE(logger.brain.isSelected());
}

TEST(BrainAddressing, ALoneCarriageReturnNeitherRunsNorEndsACommand) {
    BrainDriver logger;
    logger.send(kWake);
    EXPECT_EQ(logger.send("\r\r"), "");
    EXPECT_EQ(logger.send(kAddress + "\r"), "!");
    EXPECT_TRUE(logger.brain.isSelected());
    EXPECT_EQ(logger.send("H\r").size(), 13);
    EXPECT_EQ(logger.brain.commands(), QList<QByteArray>{"H"});
}

TEST(BrainAddressing, AnAddressByteStartsAnUnfinishedCommandOver) {
    BrainDriver logger;
    logger.send(kWake);
    const QByteArray reply = logger.send(kAddress + "S0" + kAddress + "H\r");
    EXPECT_TRUE(reply.startsWith("!!"));
    EXPECT_EQ(reply.size(), 2 + 13);
    EXPECT_EQ(logger.brain.commands(), QList<QByteArray>{"H"});
}

TEST(BrainAddressing, SeveralCommandsInOneWriteAnswerInOrder) {
    BrainDriver logger;
    logger.send(kWake);
    const QList<Emission> out = logger.brain.receive(kAddress + "H\r" + kAddress + "j\r");
    ASSERT_EQ(out.size(), 4);
    EXPECT_EQ(out[0].bytes, "!");
    EXPECT_EQ(out[1].bytes.size(), 13);
    EXPECT_EQ(out[2].bytes, "!");
    EXPECT_EQ(out[3].bytes.size(), 47);
}

TEST(BrainAddressing, HandshakeGoesOutAtOnceAndRepliesSoonAfter) {
    BrainDriver logger;
    logger.send(kWake);
    const QList<Emission> out = logger.brain.receive(kAddress + "F0\r");
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].delayMs, 0);
    EXPECT_GT(out[1].delayMs, 0);
    // Well inside the program's shortest reply limit of two seconds.
    EXPECT_LT(out[1].delayMs, 1000);
}

TEST(BrainScanning, StopScanningKeepsTheLoggerAwake) {
    BrainDriver logger;
    logger.command("z");
    EXPECT_TRUE(logger.brain.isAwake());
    EXPECT_EQ(logger.send(kAddress), "!");
}

TEST(BrainScanning, AcquisitionAndAutoSleepPutTheLoggerToSleep) {
    for (const QByteArray command : {"Z", "Y"}) {
        SCOPED_TRACE(command.constData());
        BrainDriver logger;
        EXPECT_EQ(logger.command(command), "");
        EXPECT_FALSE(logger.brain.isAwake());
        EXPECT_EQ(logger.send(kAddress), "");
        EXPECT_EQ(logger.send(kWake + kAddress), "!");
    }
}

TEST(BrainCommands, UnknownCommandsAreRecordedButNotAnswered) {
    BrainDriver logger;
    for (const QByteArray command : {"X", "jj", "S01", "S01a", "F8", "F08", "F003", "A1", "C2"})
        EXPECT_EQ(logger.command(command), "") << command.constData();
    EXPECT_EQ(logger.brain.commands().size(), 9);
    EXPECT_EQ(logger.brain.commands().at(3), "S01a");
}

} // namespace
} // namespace korven::sim::test
