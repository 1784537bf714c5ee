#include "brain_driver.h"
#include "sim/setup_dump.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace korven::sim::test {
namespace {

// Channel 3, PRESSIONE, unit 3, type 6, two decimals, supply 4, active, with
// scaling, gain +12345 and zero -00150.
const QByteArray kPressure = "P3PRESSIONE 3612411+30391-009658061";

// What the logger keeps shows in its log line and in the set-up dump.
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

TEST(ChannelSetUp, TakesTheLetterInputTypesAndTheLargestMagnitudes) {
    BrainDriver logger;
    for (const char type : {'A', 'B', 'C', '9', '0'}) {
        ChannelFields fields;
        fields.inputType = type;
        fields.gain = "-4E1F";
        fields.zero = "+4E1F";
        logger.command(fields.text());
        EXPECT_EQ(logger.brain.channel(0).inputType, type);
        EXPECT_EQ(logger.brain.channel(0).gain, -19999);
        EXPECT_EQ(logger.brain.channel(0).zero, 19999);
    }
}

TEST(ChannelSetUp, RefusesACommandThatBreaksTheLayoutAnywhere) {
    const QList<std::function<void(ChannelFields&)>> breaks = {
        [](ChannelFields& f) { f.channel = '8'; },
        [](ChannelFields& f) { f.unit = '8'; },
        [](ChannelFields& f) { f.inputType = 'D'; },
        [](ChannelFields& f) { f.inputType = 'a'; },
        [](ChannelFields& f) { f.one = '0'; },
        [](ChannelFields& f) { f.decimals = '5'; },
        [](ChannelFields& f) { f.supply = '5'; },
        [](ChannelFields& f) { f.active = 'X'; },
        [](ChannelFields& f) { f.scaling = '1'; }, // the two scaling flags differ
        [](ChannelFields& f) { f.gain = " 2710"; },
        [](ChannelFields& f) { f.gain = "+4E20"; }, // above 19999
        [](ChannelFields& f) { f.zero = "+00a0"; },
        [](ChannelFields& f) { f.trailer = "58062"; },
        [](ChannelFields& f) { f.description = "SHORT"; },
        [](ChannelFields& f) { f.description = QByteArray(10, '\0'); },
    };
    for (qsizetype i = 0; i < breaks.size(); ++i) {
        SCOPED_TRACE(i);
        BrainDriver logger;
        ChannelFields fields;
        breaks[i](fields);
        logger.command(fields.text());
        EXPECT_FALSE(logger.brain.channelReceived(0));
        EXPECT_EQ(logger.brain.channel(0), ChannelParameters{});
        EXPECT_TRUE(logger.events.last().startsWith("refused P")) << logger.events.last().data();
    }
}

TEST(ChannelSetUp, ReadingsFollowActivationScalingAndChannelCount) {
    BrainDriver logger;
    ChannelFields fields;
    fields.channel = '1';
    logger.command(fields.text());
    const int raw = logger.command("F1").left(6).toInt();

    fields.scaling = fields.scalingAgain = '1';
    fields.gain = "+1388"; // 5000: half
    fields.zero = "-0064"; // -100
    logger.command(fields.text());
    EXPECT_EQ(logger.command("F1").left(6).toInt(), raw / 2 - 100);

    fields.active = '0';
    logger.command(fields.text());
    EXPECT_EQ(logger.command("F1"), "+00000  \r");

    logger.command("C0");
    EXPECT_EQ(logger.brain.channelCount(), 4);
    EXPECT_EQ(logger.events.last(), "channel count 4");
    EXPECT_EQ(logger.command("F5"), "+00000  \r");
    logger.command("C1");
    EXPECT_NE(logger.command("F5"), "+00000  \r");
}

TEST(LiveSignal, MovesOverTimeWithinTheRangeOfTheInputType) {
    struct Case {
        char type;
        int lowest, highest;
    };
    // Currents in microamperes; the Pt100 in hundredths of a degree.
    for (const Case& c : {Case{'B', 4000, 20000}, Case{'A', 0, 20000}, Case{'C', 1000, 3500}}) {
        SCOPED_TRACE(c.type);
        BrainDriver logger;
        ChannelFields fields;
        fields.inputType = c.type;
        logger.command(fields.text());
        QSet<int> seen;
        for (int minute = 0; minute < 2 * 24 * 60; minute += 7) {
            logger.now = marchFifth().addSecs(minute * 60);
            const int value = logger.command("F0").left(6).toInt();
            EXPECT_GE(value, c.lowest);
            EXPECT_LE(value, c.highest);
            seen.insert(value);
        }
        EXPECT_GT(seen.size(), 100);
    }
}

TEST(LiveSignal, ChangesFromSecondToSecond) {
    BrainDriver logger;
    QSet<QByteArray> seen;
    for (int second = 0; second < 10; ++second) {
        logger.wait(1);
        seen.insert(logger.command("F07"));
    }
    EXPECT_GE(seen.size(), 5);
}

} // namespace
} // namespace korven::sim::test
