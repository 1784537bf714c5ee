// The reading screens as the main window opens them, and the program's Exit
// while one of them waits for the logger.
#include "reading/screens/channel_reading_screen.h"
#include "reading/screens/single_channel_screen.h"

#include "reading/reading_rig.h"
#include "session/screen_names.h"
#include "shell/shell_fixture.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

class ReadingMenus : public ShellTest {
protected:
    ReadingMenus() {
        session.installation.systemFilePath = folder.path("plant.stp");
        session.installation.loggerSetupPath = folder.path("logger");
        QByteArray identity(250, ' ');
        identity.replace(35, 2, "02");
        folder.write("plant.pas", identity);
        ReadingFiles().writeTo(folder);
        ScreenCatalog screens;
        screens.channelReading = makeChannelReadingScreen;
        screens.singleChannelReading = makeSingleChannelScreen;
        openMainWindow(std::move(screens));
    }

    QWidget* screen(const QString& name) { return find<QWidget>(name); }
};

TEST_F(ReadingMenus, ExitWhileAReadingIsAwaitedStopsItPutsTheLoggerBackAndEnds) {
    trigger("leggi_uno");
    prompter.answerNext(true);
    afterCommand("F00", 2, 0, [this] { trigger("extm"); });
    click(
        find<QPushButton>(QStringLiteral("Command1_0"), screen(screen_name::singleChannelReading)));
    settle();

    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(commandCount("F00"), 2);
    EXPECT_TRUE(openScreens().isEmpty());
    EXPECT_EQ(prompter.texts(), QStringList({"Si vuole uscire dal programma? ", kResumed}));
    EXPECT_EQ(port.logger().commands().last(), "Z");
    EXPECT_FALSE(session.link.busy());
}

TEST_F(ReadingMenus, ExitWithTheLoggerWokenButIdlePutsItBackFirst) {
    trigger("leggi_tutti");
    QWidget* reading = screen(screen_name::channelReading);
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
