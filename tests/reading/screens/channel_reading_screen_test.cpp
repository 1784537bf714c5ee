#include "reading/screens/channel_reading_screen.h"

#include "link/link_texts.h"
#include "reading/reading_rig.h"
#include "session/screen_names.h"

#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::kResumed;
using test::ReadingFiles;

// "Lettura Canali" on the simulated logger, shown offscreen.
struct AllChannelsRig : test::ReadingRig {
    explicit AllChannelsRig(const ReadingFiles& files = {}) : ReadingRig(files) {
        screen = new ChannelReadingScreen(session);
        screen->show();
    }
    ~AllChannelsRig() { delete screen; }

    QLabel* label(const QString& name) { return child<QLabel>(*screen, qPrintable(name)); }
    QString value(int channel) { return label(QStringLiteral("Label1_%1").arg(channel))->text(); }
    QColor colour(int channel) {
        return label(QStringLiteral("Label1_%1").arg(channel))
            ->palette()
            .color(QPalette::WindowText);
    }
    bool enabled(const char* button) { return child<QPushButton>(*screen, button)->isEnabled(); }
    void stopAfter(const QByteArray& command, int times) {
        afterCommand(command, times, 0, [this] { click(*screen, "Command2"); });
    }
    int loneCrs() { return static_cast<int>(port.writes().count("\r")); }

    QPointer<ChannelReadingScreen> screen;
};

ReadingFiles fourChannels() {
    ReadingFiles files;
    files.channelCount = "4 ";
    files.channels[1].activation = "OFF";
    return files;
}

TEST(AllChannelsScreen, OpensWithTheTablesOfTheSetUpFiles) {
    AllChannelsRig rig(fourChannels());
    EXPECT_EQ(rig.value(1), "OFF");
    EXPECT_EQ(rig.value(2), "Pressione linea");
    EXPECT_EQ(rig.label("Label4_3")->text(), "CANALE 03");
    EXPECT_TRUE(rig.label("Label1_3")->isVisible());
    EXPECT_FALSE(rig.label("Label1_4")->isVisible());
    EXPECT_EQ(rig.label("Label3_0")->text(), "Digit 1");
    EXPECT_EQ(rig.label("Label3_1")->text(), "DIS.");
    EXPECT_FALSE(rig.enabled("Command2"));
    EXPECT_EQ(rig.session.link.state().callerScreen, screen_name::channelReading);
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

// Which channels a pass reads is the pass's own (see the unattended
// reading); here, how the screen shows them.
TEST(AllChannelsScreen, APassShowsEachReadingInBlueAndExitPutsTheLoggerBack) {
    AllChannelsRig rig(fourChannels());
    rig.stopAfter("A0", 1);
    rig.click(*rig.screen, "Command1");

    for (int channel : {0, 2, 3}) {
        EXPECT_EQ(rig.value(channel).size(), 9) << channel;
        EXPECT_EQ(rig.colour(channel), QColor(0, 0, 255)) << channel;
    }
    EXPECT_EQ(rig.value(1), "OFF");
    EXPECT_EQ(rig.label("Label3_0")->text().size(), 6);
    EXPECT_EQ(rig.label("Label2")->text(), "Attesa comando");
    EXPECT_TRUE(rig.enabled("Command1"));
    EXPECT_FALSE(rig.enabled("Command2"));
    EXPECT_TRUE(rig.prompter.texts().isEmpty());

    rig.click(*rig.screen, "Command3");
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
}

TEST(AllChannelsScreen, APassWhoseLastChannelIsOffReadsNoDigitalInputs) {
    ReadingFiles files;
    files.channels[7].activation = "OFF";
    AllChannelsRig rig(files);
    rig.stopAfter("F6", 2);
    rig.click(*rig.screen, "Command1");
    const QList<QByteArray> pass{"F0", "F1", "F2", "F3", "F4", "F5", "F6"};
    EXPECT_EQ(rig.readingRequests(), pass + pass);
}

TEST(AllChannelsScreen, EightCharactersKeepTheWaitRunningAndANinthIsTaken) {
    ReadingFiles files;
    for (int channel = 1; channel < 8; ++channel)
        files.channels[channel].activation = "OFF";
    AllChannelsRig rig(files);
    rig.faults().cutRepliesTo = 8;
    QString waiting;
    rig.afterCommand("F0", 1, 5'500, [&] {
        waiting = rig.label("Label2")->text();
        rig.port.inject("\r");
        rig.click(*rig.screen, "Command2");
    });
    rig.click(*rig.screen, "Command1");

    EXPECT_TRUE(waiting == "Wait for response 5" || waiting == "Wait for response 6")
        << qPrintable(waiting);
    EXPECT_EQ(rig.commandCount("F0"), 1);
    EXPECT_EQ(rig.loneCrs(), 0) << "no second start";
    EXPECT_TRUE(rig.value(0).endsWith("\r"));
}

TEST(AllChannelsScreen, AfterThreeSecondStartsTheReadingGivesUp) {
    AllChannelsRig rig;
    rig.faults().cutRepliesTo = 8;
    rig.click(*rig.screen, "Command1");

    EXPECT_EQ(rig.readingRequests(), QList<QByteArray>({"F0", "F0", "F0", "F0"}));
    EXPECT_EQ(rig.loneCrs(), 3);
    // Each reading waited out its limit of 6 to 7 seconds.
    EXPECT_GE(rig.clock.nowMs(), 4 * 6'000);
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::transmissionError, kResumed}));
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_FALSE(rig.session.link.busy());
}

// Silent from the start, or after "z" and two readings: the screen closes,
// the link counts as failed, nothing is left for the menus to drop.
TEST(AllChannelsScreen, ALoggerThatStopsAnsweringClosesTheScreenWithoutAWordOfItsOwn) {
    for (const int answered : {0, 3}) {
        AllChannelsRig rig;
        rig.faults().silentAfterCommands = answered == 0 ? -1 : answered;
        rig.faults().silent = answered == 0;
        rig.click(*rig.screen, "Command1");

        EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected})) << answered;
        EXPECT_FALSE(rig.screen->isVisible());
        EXPECT_EQ(rig.session.link.state().linkFailed, 1);
        EXPECT_FALSE(rig.session.link.state().linkAborted);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

TEST(AllChannelsScreen, ClosingWhileAReadingIsAwaitedStopsItAndPutsTheLoggerBack) {
    AllChannelsRig rig;
    rig.afterCommand("F2", 1, 50, [&rig] { rig.screen->close(); });
    rig.click(*rig.screen, "Command1");

    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.readingRequests(), QList<QByteArray>({"F0", "F1", "F2"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_FALSE(rig.session.link.busy());
}

} // namespace
} // namespace korven
