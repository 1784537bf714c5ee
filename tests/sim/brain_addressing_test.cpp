#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

const QByteArray kWake(200, '\xFF');
const QByteArray kAddress("\x80");

TEST(BrainAddressing, WakesOnOneWakeByteAndAnswersTheBroadcastAndItsOwnCodeOnlyAtOnce) {
    BrainDriver logger({.code = 5});
    EXPECT_EQ(logger.send(kAddress + "j\r" + QByteArray("\x81\xFE\r", 3)), "") << "asleep";
    EXPECT_TRUE(logger.brain.commands().isEmpty());
    EXPECT_EQ(logger.send(kWake), "");
    EXPECT_EQ(logger.send(kWake + kAddress), "!") << "the rest of a burst is ignored";
    EXPECT_EQ(logger.send("\x85"), "!");
    EXPECT_EQ(logger.send(QByteArray("\x81\x86\xFE\xFF\r", 5)), "");
    EXPECT_EQ(BrainDriver().send(QByteArray("\xFF\x80", 2)), "!");

    // Every command needs its own address byte. The handshake goes out at
    // once, the reply well inside two seconds.
    BrainDriver plain;
    EXPECT_EQ(plain.command("j").size(), 47);
    EXPECT_EQ(plain.send("j\r"), "");
    EXPECT_EQ(plain.brain.commands(), QList<QByteArray>{"j"});
    const QList<Emission> out = plain.brain.receive(kAddress + "F0\r");
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].delayMs, 0);
    EXPECT_GT(out[1].delayMs, 0);
    EXPECT_LT(out[1].delayMs, 1000);
}

// Resuming: address, "!", "Z" (acquisition) or "z"; then, for auto-sleep,
// address, "!", "Y" without a new wake-up burst.
TEST(BrainScanning, EveryWayOfResumingScanningIsAnswered) {
    for (const bool acquisition : {false, true}) {
        for (const bool autoSleep : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "acquisition " << acquisition << " auto-sleep " << autoSleep);
            BrainDriver logger;
            logger.command("z");
            QByteArray heard = logger.send(kAddress);
            logger.send(acquisition ? "Z\r" : "z\r");
            logger.wait(1);
            if (autoSleep) {
                heard += logger.send(kAddress);
                logger.send("Y\r");
            }
            EXPECT_EQ(heard, autoSleep ? "!!" : "!");
            EXPECT_EQ(logger.brain.isAcquiring(), acquisition);
            // Asleep, it needs a burst again; awake, the address is enough.
            EXPECT_EQ(logger.send(kAddress), autoSleep ? "" : "!");
            EXPECT_EQ(logger.send(kWake + kAddress), "!");
        }
    }
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
