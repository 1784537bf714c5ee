#include "brain_driver.h"
#include "sim/setup_dump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>


namespace korven::sim::test {
namespace {

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
