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

TEST(LoggerClock, GSetsTheClockThatHReportsAndKeepsRunning) {
    BrainDriver logger;
    EXPECT_EQ(logger.command("H"), "240305123000\r");
    for (const QByteArray command :
         {"G240231120000", "G241305120000", "G240305250000", "G24030512000", "G24030512000A"}) {
        logger.command(command);
        EXPECT_EQ(logger.command("H"), "240305123000\r") << "refused " << command.constData();
    }
    logger.command("G240305090703");
    EXPECT_EQ(logger.events.last(), "clock set to 2024-03-05T09:07:03");
    EXPECT_EQ(logger.command("H"), "240305090703\r");
    logger.wait(3661);
    EXPECT_EQ(logger.command("H"), "240305100804\r");
}

TEST(LoggerClock, CanStartAheadOfTheWallClockWithItsHistoryWrittenByIt) {
    BrainDriver logger({.clockStart = marchFifth().addSecs(3600)});
    EXPECT_EQ(logger.command("H"), "240305133000\r");
    EXPECT_EQ(at(logger.command("S12B"), 1, 17), "24 03 05 13 30 00");
}

TEST(ScanSetting, MIsReportedByJAndOnlyValidDigitsAreTaken) {
    BrainDriver logger;
    EXPECT_EQ(QByteArray::fromHex(logger.command("j")).at(6), 2); // the history's ten minutes
    logger.command("M70");
    EXPECT_EQ(logger.events.last(), "scan code 7 auto-sleep 0");
    for (const QByteArray command : {"M80", "M02", "M1", "M123", "Mx1"})
        logger.command(command);
    const QByteArray status = QByteArray::fromHex(logger.command("j"));
    EXPECT_EQ(status.at(6), 7);
    EXPECT_EQ(status.at(7), 0);
}

TEST(Memory, OnlyTheExactResetEmptiesItAndScanningAloneStoresNothing) {
    BrainDriver logger;
    logger.command("Q0001Q");
    logger.command("Q0000");
    logger.command("Z");
    logger.wait(24 * 3600);
    EXPECT_EQ(logger.brain.nextBlock(), 300);
    logger.command("Q0000Q");
    EXPECT_EQ(logger.brain.nextBlock(), 0);
    EXPECT_EQ(logger.command("S000"), QByteArray("FF ").repeated(32).chopped(1) + '\r');
}

// Channel 3, PRESSIONE, unit 3, type 6, two decimals, supply 4, active, with
// scaling, gain +12345 and zero -00150.
const QByteArray kPressure = "P3PRESSIONE 3612411+30391-009658061";

TEST(ChannelSetUp, KeepsEveryFieldOfTheCommandAndTheChannelCount) {
    ASSERT_EQ(kPressure.size(), 35);
    BrainDriver logger;
    EXPECT_EQ(logger.command(kPressure), "");
    EXPECT_EQ(logger.events.last(), "channel 3: description \"PRESSIONE \" unit 3 type 6 "
                                    "decimals 2 supply 4 active 1 scaling 1 gain +12345 "
                                    "zero -00150");
    EXPECT_TRUE(logger.brain.channelReceived(3));
    EXPECT_FALSE(logger.brain.channelReceived(2));
    logger.command("C0");
    EXPECT_EQ(logger.brain.channelCount(), 4);
    logger.command("M31");
    EXPECT_EQ(logger.brain.sleepCode(), 1);
}

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
        EXPECT_EQ(logger.send(kWake + "\x80H\r\x80H\r"), c.heard);
    }
}

} // namespace
} // namespace korven::sim::test
