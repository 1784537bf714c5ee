// The set-up editors as the menus open them on the files "config.dat" names.
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "shell_fixture.h"
#include "system_setup/screens/system_setup_screen.h"

using namespace korven;
using namespace korven::test;

namespace {

using SetUpMenus = ShellTest;

// The password, when active, is asked for before the channel editor only.
TEST_F(SetUpMenus, EachSetUpCanaliOpensItsEditorOnTheCurrentFiles) {
    writeNamedInstallation("segreto", true);
    writeLoggerSet(folder, QList<LoggerChannelBytes>(8, LoggerChannelBytes{}), "4 ");
    startProgram({.systemSetupEditor = [](Session& s) { return new SystemSetupScreen(s); },
                  .channelSetup = makeChannelSetupScreen});

    trigger("Mod_canali");
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form3"}));
    QWidget* screen = find("Form3");
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(prompter.prompts().isEmpty()) << prompter.texts().join('|').toStdString();
    trigger("Mod_canali");
    EXPECT_EQ(openScreens().count("Form3"), 1) << "a second pick brings the same screen forward";
    click(find<QPushButton>("Command3d2", screen));
    EXPECT_EQ(openScreens(), QStringList{"Form1"}) << "Uscita takes its frame with it";

    trigger("SET_CAN_VESKAR");
    QWidget* prompt = find("Form10");
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(find("Form41"), nullptr);
    type(find<QLineEdit>("Text1", prompt), "segreto");
    click(find<QPushButton>("Command1", prompt));
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form41"}));
    QWidget* editor = find("Form41");
    EXPECT_EQ(editor->windowTitle(),
              "SET-UP KORVEN. File configurazione: " + folder.path("logger"));
    click(find<QPushButton>("Command3d2", editor));
    EXPECT_EQ(openScreens(), QStringList{"Form1"});
}

} // namespace
