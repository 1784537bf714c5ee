#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// The next block as "j" reports it, from its characters 4-5 and 7-8.
int nextBlockOf(BrainDriver& logger) {
    const QByteArray status = logger.command("j");
    return (at(status, 4) + at(status, 7)).toInt(nullptr, 16);
}

QByteArray timeOfBlock(BrainDriver& logger, const QByteArray& digits) {
    return at(logger.command("S" + digits), 1, 17);
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
    LoggerConfig config;
    config.clockStart = marchFifth().addSecs(3600);
    BrainDriver logger(config);
    EXPECT_EQ(logger.command("H"), "240305133000\r");
    EXPECT_EQ(timeOfBlock(logger, "12B"), "24 03 05 13 30 00");
}

TEST(ScanSetting, MIsReportedByJAndOnlyValidDigitsAreTaken) {
    BrainDriver logger;
    EXPECT_EQ(hexBytes(logger.command("j")).at(6), 2); // the history's ten minutes
    logger.command("M70");
    EXPECT_EQ(logger.events.last(), "scan code 7 auto-sleep 0");
    for (const QByteArray command : {"M80", "M02", "M1", "M123", "Mx1"})
        logger.command(command);
    const QByteArray status = hexBytes(logger.command("j"));
    EXPECT_EQ(status.at(6), 7);
    EXPECT_EQ(status.at(7), 0);
}

TEST(Memory, OnlyTheExactResetEmptiesItAndScanningAloneStoresNothing) {
    BrainDriver logger;
    logger.command("Q0001Q");
    logger.command("Q0000");
    logger.command("Z");
    logger.wait(24 * 3600);
    EXPECT_EQ(nextBlockOf(logger), 300);
    logger.command("Q0000Q");
    EXPECT_EQ(nextBlockOf(logger), 0);
    EXPECT_EQ(logger.command("S000"), QByteArray("FF ").repeated(32).chopped(1) + '\r');
}

} // namespace
} // namespace korven::sim::test
