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

// Putting the logger back into scanning talks as follows: address, "!",
// "Z" (acquisition) or "z" (none); then, for auto-sleep, address, "!", "Y"
// without any new wake-up burst.
QByteArray resume(BrainDriver& logger, bool acquisition, bool autoSleep) {
    QByteArray heard = logger.send(kAddress);
    logger.send(acquisition ? "Z\r" : "z\r");
    logger.wait(1);
    if (autoSleep) {
        heard += logger.send(kAddress);
        logger.send("Y\r");
    }
    return heard;
}

TEST(BrainScanning, EveryWayOfResumingScanningIsAnswered) {
    for (const bool acquisition : {false, true}) {
        for (const bool autoSleep : {false, true}) {
            SCOPED_TRACE(QStringLiteral("acquisition %1, auto-sleep %2")
                             .arg(acquisition)
                             .arg(autoSleep)
                             .toStdString());
            BrainDriver logger;
            logger.command("z");
            EXPECT_EQ(resume(logger, acquisition, autoSleep), autoSleep ? "!!" : "!");
            EXPECT_EQ(logger.brain.isAcquiring(), acquisition);
            EXPECT_EQ(logger.brain.isAwake(), !autoSleep);
            // Asleep, it needs a burst again; awake, the address is enough.
            EXPECT_EQ(logger.send(kAddress), autoSleep ? "" : "!");
            EXPECT_EQ(logger.send(kWake + kAddress), "!");
        }
    }
}

TEST(BrainScanning, TheLogShowsTheResumeStepByStep) {
    BrainDriver logger;
    logger.command("z");
    logger.events.clear();
    resume(logger, true, true);
    EXPECT_EQ(logger.events,
              QList<QByteArray>({"address 80 answered !", "command Z", "scanning with acquisition",
                                 "address 80 answered !", "command Y", "asleep"}));
}

TEST(BrainScanning, WithAutoSleepAnAcquiringLoggerLeftAloneDozesOff) {
    BrainDriver logger;
    logger.command("M21");
    logger.command("Z");
    logger.wait(9);
    EXPECT_TRUE(logger.brain.isAwake());
    logger.wait(1);
    EXPECT_FALSE(logger.brain.isAwake());
    EXPECT_EQ(logger.send(kAddress), "");
    EXPECT_EQ(logger.events.last(), "asleep (auto-sleep)");

    // Stopped, or without auto-sleep, it waits for the program however long.
    BrainDriver stopped;
    stopped.command("M21");
    stopped.command("z");
    stopped.wait(3600);
    EXPECT_EQ(stopped.send(kAddress), "!");
    BrainDriver awake;
    awake.command("M20");
    awake.command("Z");
    awake.wait(3600);
    EXPECT_EQ(awake.send(kAddress), "!");
}

TEST(BrainFaults, ALoggerThatNeverWakesSleepsThroughEveryBurst) {
    BrainDriver logger;
    logger.brain.faults().neverWakes = true;
    EXPECT_EQ(logger.send(kWake + kAddress + "j\r"), "");
    EXPECT_FALSE(logger.brain.isAwake());
    EXPECT_TRUE(logger.brain.commands().isEmpty());
}

TEST(BrainEvents, TheLogNamesWakeUpAddressAndCommand) {
    BrainDriver logger;
    logger.brain.faults().handshakeReply = '?';
    logger.send(kWake + "\x82" + kAddress + "j\r");
    EXPECT_EQ(logger.events, QList<QByteArray>({"woken", "address 80 answered ?", "command j"}));
    logger.brain.faults().silent = true;
    logger.send(kAddress);
    EXPECT_EQ(logger.events.last(), "address 80 not answered");
}

} // namespace
} // namespace korven::sim::test
