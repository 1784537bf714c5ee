#include "brain_driver.h"
#include "sim/setup_dump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

// Channel 3, PRESSIONE, unit 3, type 6, two decimals, supply 4, active, with
// scaling, gain +12345 and zero -00150.
const QByteArray kPressure = "P3PRESSIONE 3612411+30391-009658061";

// What the logger keeps shows in its log line and in the set-up dump, which
// the tests of "korvenctl setup send" read.
TEST(ChannelSetUp, KeepsEveryFieldOfTheCommand) {
    ASSERT_EQ(kPressure.size(), 35);
    BrainDriver logger;
    EXPECT_EQ(logger.command(kPressure), "");
    EXPECT_EQ(logger.events.last(), "channel 3: description \"PRESSIONE \" unit 3 type 6 "
                                    "decimals 2 supply 4 active 1 scaling 1 gain +12345 "
                                    "zero -00150");
    logger.command("C0");
    logger.command("M31");
    const QJsonObject dump = QJsonDocument::fromJson(setupDump(logger.brain)).object();
    EXPECT_EQ(dump.value("channelCount").toInt(), 4);
    EXPECT_EQ(dump.value("scanCode").toInt(), 3);
    EXPECT_EQ(dump.value("autoSleep").toInt(), 1);
    EXPECT_EQ(dump.value("nextBlock").toInt(), 300);
    EXPECT_EQ(dump.value("clock").toString(), "2024-03-05T12:30:00");
    const QJsonArray channels = dump.value("channels").toArray();
    ASSERT_EQ(channels.size(), 8);
    EXPECT_EQ(channels.at(3).toObject(), (QJsonObject{{"channel", 3},
                                                      {"received", true},
                                                      {"description", "PRESSIONE "},
                                                      {"unit", "3"},
                                                      {"inputType", "6"},
                                                      {"decimals", 2},
                                                      {"supply", "4"},
                                                      {"active", true},
                                                      {"scaling", true},
                                                      {"gain", "+12345"},
                                                      {"zero", "-00150"}}));
    EXPECT_FALSE(channels.at(2).toObject().value("received").toBool());
}

} // namespace
} // namespace korven::sim::test
