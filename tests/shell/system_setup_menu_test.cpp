#include "installation.h"
#include "shell_fixture.h"
#include "system_setup/screens/system_setup_screen.h"

#include <QComboBox>

using namespace korven;
using namespace korven::test;

namespace {

class SystemSetupMenu : public ShellTest {
protected:
    void SetUp() override {
        writeInstallation(folder);
        writeSettings(folder, settingsRecord("plant.stp", "logger"));
        ScreenCatalog screens;
        screens.systemSetupEditor = [](Session& s) { return new SystemSetupScreen(s); };
        startProgram(std::move(screens));
    }
};

TEST_F(SystemSetupMenu, SetUpCanaliOpensTheEditorOnChannelZeroOfTheCurrentFile) {
    trigger("Mod_canali");
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form3"}));
    auto* screen = find("Form3");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(find<QLabel>("numsche", screen)->text(), "0");
    EXPECT_TRUE(prompter.prompts().isEmpty()) << prompter.texts().join('|').toStdString();

    trigger("Mod_canali");
    EXPECT_EQ(openScreens().count("Form3"), 1) << "a second pick brings the same screen forward";

    click(find<QPushButton>("Command3d2", screen));
    EXPECT_EQ(openScreens(), QStringList{"Form1"}) << "Uscita takes its frame with it";
}

} // namespace
