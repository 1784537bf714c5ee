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

} // namespace
} // namespace korven::sim::test
