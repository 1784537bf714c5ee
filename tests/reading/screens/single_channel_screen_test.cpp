#include "reading/screens/single_channel_screen.h"

#include "link/link_texts.h"
#include "reading/reading_rig.h"
#include "reading/screens/reading_trend.h"
#include "session/screen_names.h"

#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// "REAL TIME READING" on the simulated logger.
struct OneChannelRig : ReadingScreenRig<SingleChannelScreen> {
    using ReadingScreenRig::ReadingScreenRig;

    ReadingTrend* trend() { return child<ReadingTrend>(*screen, "trend"); }
    void treated(bool yes) {
        child<QRadioButton>(*screen, yes ? "Option1_0" : "Option1_1")->click();
    }
    void read(int channel) { press(qPrintable(QStringLiteral("Command1_%1").arg(channel))); }
};

TEST(OneChannelScreen, OpensWithAButtonPerChannelAndClosesUntouchedSendingNothing) {
    ReadingFiles files;
    files.channelCount = "4 ";
    OneChannelRig rig(files);
    EXPECT_EQ(rig.button("Command1_2")->text(), "Pressione linea");
    EXPECT_TRUE(rig.button("Command1_3")->isVisible());
    EXPECT_FALSE(rig.button("Command1_4")->isVisible());
    EXPECT_FALSE(rig.label("Label5")->isVisible());
    EXPECT_FALSE(rig.button("Command2")->isEnabled());
    EXPECT_EQ(rig.session.link.state().callerScreen, screen_name::singleChannelReading);

    rig.screen->close();
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_EQ(rig.session.link.state().callerScreen, "");
}

TEST(OneChannelScreen, ReadsTheChannelOnceASecondUntilStoppedAfterItsCycle) {
    OneChannelRig rig;
    QString cycleShown;
    bool buttonsWhileReading = true;
    QList<qint64> asked;
    for (int times = 1; times <= 3; ++times)
        rig.afterCommand("F03", times, 0, [&] { asked.append(rig.clock.nowMs()); });
    rig.afterCommand("F03", 3, 300, [&] {
        cycleShown = rig.text("Label3");
        buttonsWhileReading =
            rig.button("Command1_5")->isEnabled() || rig.button("Command3d1")->isEnabled();
        rig.press("Command2");
    });
    rig.read(3);

    EXPECT_EQ(cycleShown, "CICLO 3");
    EXPECT_FALSE(buttonsWhileReading);
    ASSERT_EQ(asked.size(), 3);
    EXPECT_NEAR(asked[2] - asked[1], 1'000, 50);
    EXPECT_EQ(rig.text("Label4"), "Canale 3");
    EXPECT_EQ(rig.text("Label5").size(), 9);
    EXPECT_EQ(rig.text("Label2"), "Lettura diretta da KORVEN");
    EXPECT_EQ(rig.text("Label3"), "ATTESA COMANDO");
    EXPECT_TRUE(rig.button("Command1_5")->isEnabled());
    EXPECT_EQ(rig.trend()->pointCount(), 3);
    // The logger's own number has none of the set-up's units.
    EXPECT_EQ(rig.trend()->valueAxisTitle(), "Valore KORVEN");

    // The logger is woken once a visit: a second channel goes straight to it.
    const int bursts = rig.writesOf(QByteArray(200, '\xFF'));
    rig.stopAfter("F01", 1);
    rig.read(1);
    EXPECT_EQ(rig.writesOf(QByteArray(200, '\xFF')), bursts);
    EXPECT_EQ(rig.trend()->pointCount(), 1) << "each channel has its own trend";

    rig.press("Command3d1");
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
}

TEST(OneChannelScreen, TheTreatedViewShowsTheValueWithItsUnitAndNeverTreatsABadReply) {
    OneChannelRig rig;
    rig.treated(true);
    QString shown;
    rig.afterCommand("F02", 2, 300, [&] {
        shown = rig.text("Label5");
        rig.press("Command2");
    });
    rig.read(2);

    static const QRegularExpression value("^-?\\d+(\\.\\d{1,2})? mV$");
    EXPECT_TRUE(value.match(shown).hasMatch()) << qPrintable(shown);
    EXPECT_EQ(rig.text("Label4"), "Pressione linea");
    EXPECT_EQ(rig.text("Label2"), "LETTURA TRATTATA");
    EXPECT_EQ(rig.trend()->latestLabel(), shown);
    EXPECT_EQ(rig.trend()->valueAxisTitle(), "mV");

    // The switch turns the trend to the readings as they came.
    rig.treated(false);
    EXPECT_EQ(rig.trend()->pointCount(), 2);
    EXPECT_FALSE(rig.trend()->latestLabel().contains("mV"));

    // A reply that is no reading is shown as it came, but never treated.
    rig.faults().corruptEveryNthReply = 1;
    rig.treated(true);
    rig.stopAfter("F02", 3);
    rig.read(2);
    EXPECT_EQ(rig.text("Label5"), link_texts::transmissionError);

    rig.treated(false);
    rig.stopAfter("F02", 4);
    rig.read(2);
    EXPECT_TRUE(rig.text("Label5").contains(u'x')) << qPrintable(rig.text("Label5"));
    EXPECT_EQ(rig.trend()->pointCount(), 2) << "no point for them";
    EXPECT_TRUE(rig.prompter.texts().isEmpty());
}

TEST(OneChannelScreen, AnUnansweredAddressIsSentAgainFourTimesInARunThenTheScreenCloses) {
    OneChannelRig rig;
    rig.faults().silentAfterCommands = 1; // "z"
    rig.read(0);

    EXPECT_EQ(rig.writesOf("\r"), 4);
    EXPECT_TRUE(rig.readingRequests().isEmpty());
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.text("Label3"), "riprendo il comando");
}

TEST(OneChannelScreen, ClosingTheWindowWhileAReadingIsAwaitedStopsItAndRestartsTheLogger) {
    OneChannelRig rig;
    rig.afterCommand("F06", 2, 50, [&rig] { rig.screen->close(); });
    rig.read(6);
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.commandCount("F06"), 2);
    EXPECT_EQ(rig.text("Label3"), "Wait: KORVEN re-starting in course.....");
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_FALSE(rig.session.link.busy());
}

} // namespace
} // namespace korven::test
