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

TEST(LoggerClock, CanStartAheadOfTheWallClock) {
    LoggerConfig config;
    config.clockStart = marchFifth().addSecs(3600);
    BrainDriver logger(config);
    EXPECT_EQ(logger.command("H"), "240305133000\r");
    // Its history was written by its own clock.
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

TEST(Recording, AcquisitionStoresABlockAtEveryWholeScanInterval) {
    LoggerConfig config;
    config.recording = true;
    BrainDriver logger(config); // 12:30:00, scanning every ten minutes
    logger.wait(9 * 60 + 59);
    EXPECT_EQ(logger.brain.nextBlock(), 300);
    logger.wait(1);
    EXPECT_EQ(logger.brain.nextBlock(), 301);
    EXPECT_EQ(timeOfBlock(logger, "12C"), "24 03 05 12 40 00");

    // Stopped, nothing is stored; every minute once acquisition resumes.
    logger.command("z");
    logger.wait(3600);
    EXPECT_EQ(nextBlockOf(logger), 301);
    logger.command("M10");
    logger.command("Z"); // at 13:40:00 and a few instants
    logger.wait(150);
    EXPECT_EQ(nextBlockOf(logger), 303);
    EXPECT_EQ(timeOfBlock(logger, "12D"), "24 03 05 13 41 00");
    EXPECT_EQ(timeOfBlock(logger, "12E"), "24 03 05 13 42 00");
    EXPECT_EQ(timeOfBlock(logger, "12B"), "24 03 05 12 30 00") << "older blocks keep their times";
}

TEST(Recording, GoesOnFromBlockZeroAfterAResetAndKeepsTimesAcrossAClockChange) {
    LoggerConfig config;
    config.recording = true;
    BrainDriver logger(config);
    logger.command("M10");
    logger.command("Q0000Q");
    logger.wait(60);                 // block 0 at 12:31
    logger.command("G240305080000"); // the clock goes back hours
    logger.wait(60);                 // block 1 at 08:01
    EXPECT_EQ(nextBlockOf(logger), 2);
    EXPECT_EQ(timeOfBlock(logger, "000"), "24 03 05 12 31 00");
    EXPECT_EQ(timeOfBlock(logger, "001"), "24 03 05 08 01 00");
}

} // namespace
} // namespace korven::sim::test
