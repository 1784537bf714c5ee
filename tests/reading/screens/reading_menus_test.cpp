// The program's Exit while a reading screen holds a woken but idle logger.
#include "reading/screens/channel_reading_screen.h"

#include "reading/reading_rig.h"
#include "session/screen_names.h"
#include "shell/shell_fixture.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

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
