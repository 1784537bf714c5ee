#include "installation.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "shell_fixture.h"

using namespace korven;
using namespace korven::test;

namespace {

// "Set up canali" of the KORVEN menu opens the channel editor on the logger
// set-up "config.dat" names, behind the password when it is active.
class ChannelSetupMenu : public ShellTest {
protected:
    void start(bool passwordActive) {
        writeInstallation(folder);
        writeSettings(folder, settingsRecord("plant.stp", "logger", "segreto", passwordActive));
        writeLoggerSet(folder, QList<LoggerChannelBytes>(8, LoggerChannelBytes{}), "4 ");
        ScreenCatalog screens;
        screens.channelSetup = makeChannelSetupScreen;
        startProgram(std::move(screens));
    }
};

TEST_F(ChannelSetupMenu, OpensTheEditorOnTheCurrentLoggerSetUp) {
    start(false);
    trigger("SET_CAN_VESKAR");
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form41"}));
    QWidget* editor = find("Form41");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(),
              "SET-UP KORVEN. File configurazione: " + folder.path("logger"));
    EXPECT_FALSE(find("descr_4", editor)->isVisibleTo(editor));

    click(find<QPushButton>("Command3d2", editor));
    EXPECT_EQ(openScreens(), QStringList{"Form1"});
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(ChannelSetupMenu, AnActivePasswordIsAskedForFirst) {
    start(true);
    trigger("SET_CAN_VESKAR");
    QWidget* prompt = find("Form10");
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(find("Form41"), nullptr);
    type(find<QLineEdit>("Text1", prompt), "segreto");
    click(find<QPushButton>("Command1", prompt));
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form41"}));
}

} // namespace
