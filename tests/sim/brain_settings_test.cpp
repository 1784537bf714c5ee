#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

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

} // namespace
} // namespace korven::sim::test
