#include "reading/screens/channel_reading_screen.h"

#include "link/link_texts.h"
#include "reading/reading_rig.h"
#include "session/screen_names.h"
#include "shell/shell_fixture.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// "Lettura Canali" on the simulated logger.
struct AllChannelsRig : ReadingScreenRig<ChannelReadingScreen> {
    using ReadingScreenRig::ReadingScreenRig;

    QString value(int channel) { return text(QStringLiteral("Label1_%1").arg(channel)); }
    QColor colour(int channel) {
        return label(QStringLiteral("Label1_%1").arg(channel))
            ->palette()
            .color(QPalette::WindowText);
    }
};

TEST(AllChannelsScreen, ShowsTheSetUpThenEachReadingOfAPassInBlueAndExitPutsTheLoggerBack) {
    ReadingFiles fourChannels;
    fourChannels.channelCount = "4 ";
    fourChannels.channels[1].activation = "OFF";
    AllChannelsRig rig(fourChannels);
    EXPECT_EQ(rig.value(1), "OFF");
    EXPECT_EQ(rig.value(2), "Pressione linea");
    EXPECT_EQ(rig.text("Label4_3"), "CANALE 03");
    EXPECT_TRUE(rig.label("Label1_3")->isVisible());
    EXPECT_FALSE(rig.label("Label1_4")->isVisible());
    EXPECT_EQ(rig.text("Label3_0"), "Digit 1");
    EXPECT_EQ(rig.text("Label3_1"), "DIS.");
    EXPECT_FALSE(rig.button("Command2")->isEnabled());
    EXPECT_EQ(rig.session.link.state().callerScreen, screen_name::channelReading);
    EXPECT_TRUE(rig.port.writes().isEmpty());

    // Which channels a pass reads is tested on the unattended reading.
    rig.stopAfter("A0", 1, 0);
    rig.press("Command1");

    for (int channel : {0, 2, 3}) {
        EXPECT_EQ(rig.value(channel).size(), 9) << channel;
        EXPECT_EQ(rig.colour(channel), QColor(0, 0, 255)) << channel;
    }
    EXPECT_EQ(rig.value(1), "OFF");
    EXPECT_EQ(rig.text("Label3_0").size(), 6);
    EXPECT_EQ(rig.text("Label2"), "Attesa comando");
    EXPECT_TRUE(rig.button("Command1")->isEnabled());
    EXPECT_FALSE(rig.button("Command2")->isEnabled());
    EXPECT_TRUE(rig.prompter.texts().isEmpty());

    rig.press("Command3");
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
}

TEST(AllChannelsScreen, EightCharactersKeepTheWaitRunningAndANinthIsTaken) {
    ReadingFiles files;
    for (int channel = 1; channel < 8; ++channel)
        files.channels[channel].activation = "OFF";
    AllChannelsRig rig(files);
    rig.faults().cutRepliesTo = 8;
    QString waiting;
    rig.afterCommand("F0", 1, 5'500, [&] {
        waiting = rig.text("Label2");
        rig.port.inject("\r");
        rig.press("Command2");
    });
    rig.press("Command1");

    EXPECT_TRUE(waiting == "Wait for response 5" || waiting == "Wait for response 6")
        << qPrintable(waiting);
    EXPECT_EQ(rig.commandCount("F0"), 1);
    EXPECT_EQ(rig.writesOf("\r"), 0) << "no second start";
    EXPECT_TRUE(rig.value(0).endsWith("\r"));
}

// Silent from the start, or after "z" and two readings: the screen closes,
// the link counts as failed, nothing is left for the menus to drop.
TEST(AllChannelsScreen, ALoggerThatStopsAnsweringClosesTheScreenWithoutAWordOfItsOwn) {
    for (const int answered : {0, 3}) {
        AllChannelsRig rig;
        rig.faults().silentAfterCommands = answered == 0 ? -1 : answered;
        rig.faults().silent = answered == 0;
        rig.press("Command1");

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
    rig.press("Command1");

    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.readingRequests(), QList<QByteArray>({"F0", "F1", "F2"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_FALSE(rig.session.link.busy());
}

// The program's Exit while the screen holds a woken but idle logger.
using ReadingMenus = ShellTest;

TEST_F(ReadingMenus, ExitWithTheLoggerWokenButIdlePutsItBackFirst) {
    session.installation.systemFilePath = folder.path("plant.stp");
    session.installation.loggerSetupPath = folder.path("logger");
    folder.write("plant.pas", IdentityRecord{}.bytes());
    ReadingFiles().writeTo(folder);
    openMainWindow({.channelReading = makeChannelReadingScreen});

    trigger("leggi_tutti");
    QWidget* reading = find(screen_name::channelReading);
    afterCommand("A0", 1, 0, [this, reading] {
        click(find<QPushButton>(QStringLiteral("Command2"), reading));
    });
    click(find<QPushButton>(QStringLiteral("Command1"), reading));
    EXPECT_FALSE(port.logger().isAcquiring());

    prompter.answerNext(true);
    trigger("extm");
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(openScreens().isEmpty());
    EXPECT_EQ(prompter.texts().last(), kResumed);
    EXPECT_TRUE(port.logger().isAcquiring());
}

} // namespace
} // namespace korven::test
