// The set-up screens as the menus open them on the files "config.dat" names.
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "shell_fixture.h"
#include "system_setup/screens/system_setup_screen.h"

using namespace korven;
using namespace korven::test;

namespace {

const QString kInvalid = QStringLiteral("ATTENZIONE valore non valido");

using SetUpScreens = ShellTest;

// The values' rules are the configuration values' own; here, when they apply.
TEST_F(SetUpScreens, TheConfigurationChecksAFieldOnLeavingAndSaveWritesTheSideFilesAndStatusBar) {
    writeNamedInstallation();
    startProgram();
    trigger("generale");
    QWidget* screen = find("Form7");
    ASSERT_NE(screen, nullptr);
    auto* loggers = find<QLineEdit>("Text2", screen);
    auto* lastBlock = find<QLineEdit>("Text1", screen);
    const auto sideFiles = [this] {
        return folder.read("plant.pas") + folder.read("plant.DIR") + folder.read("plant.PUN");
    };

    typeAndLeave(lastBlock, "4100");
    EXPECT_EQ(lastBlock->text(), "0");
    typeAndLeave(loggers, "70000");
    EXPECT_EQ(loggers->text(), "0");
    EXPECT_EQ(prompter.texts(), (QStringList{kInvalid, kInvalid}));
    EXPECT_EQ(prompter.prompts()[0].icon, MessageIcon::Critical);

    prompter.clear();
    const QByteArray before = sideFiles();
    click(find<QPushButton>("Command1", screen));
    EXPECT_EQ(prompter.texts(), QStringList{"ATTENZIONE: Valore 0 non valido"});
    EXPECT_EQ(sideFiles(), before);

    prompter.clear();
    const QByteArray directoryBefore = folder.read("plant.DIR");
    typeAndLeave(loggers, "2");
    typeAndLeave(lastBlock, "120");
    click(find<QPushButton>("Command1", screen));
    EXPECT_TRUE(prompter.prompts().isEmpty());
    const QByteArray pas = folder.read("plant.pas");
    EXPECT_EQ(pas.mid(12, 3), "2  ");
    EXPECT_EQ(pas.mid(126, 4), "120 ");
    EXPECT_EQ(pas.mid(35, 2), "12") << "the rest of the record is kept";
    EXPECT_EQ(folder.read("plant.PUN").mid(12, 2), int16Bytes(120));
    EXPECT_EQ(folder.read("plant.DIR"), directoryBefore);
    EXPECT_EQ(panel("StatusBar1Panel3"), "Ultimo Blocco: 120");
}

// The password, when active, is asked for before the channel editor only.
TEST_F(SetUpScreens, EachSetUpCanaliOpensItsEditorOnTheCurrentFiles) {
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
