#include "shell_fixture.h"

using namespace korven;
using namespace korven::test;

namespace {

class Password : public ShellTest {
protected:
    void startWithPassword(const QByteArray& password, bool active) {
        writeNamedInstallation(password, active);
        startProgram(
            {.channelSetup = recordingScreen("Form41"), .scanSettings = recordingScreen("Form6")});
    }

    // Answers the password prompt that a gated menu item opened.
    void answerGate(const QString& password) {
        QWidget* prompt = find("Form10");
        ASSERT_NE(prompt, nullptr);
        type(find<QLineEdit>("Text1", prompt), password);
        click(find<QPushButton>("Command1", prompt));
    }

    QByteArray storedPassword() const { return folder.read("config.dat").mid(107, 20); }
    QByteArray storedState() const { return folder.read("config.dat").mid(127, 2); }
};

TEST_F(Password, WhenActiveOnlyTheRightPasswordOpensTheScreenTheGateHeldAndItCanBeChanged) {
    startWithPassword("segreto", true);
    trigger("Freq_acq");
    EXPECT_TRUE(screensOpened.isEmpty());
    answerGate("segreto ");
    EXPECT_EQ(prompter.texts(), QStringList{"Password non corretta"});
    EXPECT_EQ(openScreens(), QStringList{"Form1"});

    trigger("Freq_acq");
    answerGate("segreto");
    EXPECT_EQ(screensOpened, QStringList{"Form6"});
    EXPECT_EQ(openScreens(), (QStringList{"Form1", "Form6"})) << "the prompt has closed";

    // A change needs the old password and two equal new ones.
    prompter.clear();
    trigger("pass_mod");
    QWidget* screen = find("Form12");
    auto* oldField = find<QLineEdit>("Text1", screen);
    auto* newField = find<QLineEdit>("Text2", screen);
    auto* confirmation = find<QLineEdit>("Text3", screen);
    auto* confirm = find<QPushButton>("Command1", screen);
    typeAndLeave(oldField, "segreto ");
    EXPECT_EQ(prompter.texts(), QStringList{"Password errata"});
    enter(newField);
    EXPECT_EQ(prompter.texts().last(), "Immettere la vecchia password corretta");

    prompter.clear();
    typeAndLeave(oldField, "segreto");
    typeAndLeave(newField, "una-password-di-25-lettere");
    typeAndLeave(confirmation, "una-password-diversa");
    EXPECT_EQ(prompter.texts(), QStringList{"Le due password non coincidono"});
    EXPECT_FALSE(confirm->isEnabled());

    prompter.clear();
    typeAndLeave(confirmation, "una-password-di-25-lettere");
    ASSERT_TRUE(confirm->isEnabled());
    click(confirm);
    EXPECT_EQ(prompter.texts(), QStringList{"Password modificata"});
    EXPECT_EQ(storedPassword(), QByteArray("una-password-di-25-l"));
    EXPECT_EQ(storedState(), QByteArray("\xFF\xFF"));

    // The gate now takes the first 20 characters.
    trigger("SET_CAN_VESKAR");
    answerGate("una-password-di-25-l");
    EXPECT_EQ(screensOpened, (QStringList{"Form6", "Form41"}));
}

// A new settings file holds no password: the first is set with an empty old one.
TEST_F(Password, TheFirstPasswordIsSetWithAnEmptyOldOneThenSwitchedOnWithIt) {
    startWithPassword(QByteArray(20, '\0'), false);
    trigger("pass_mod");
    QWidget* screen = find("Form12");
    typeAndLeave(find<QLineEdit>("Text1", screen), "");
    typeAndLeave(find<QLineEdit>("Text2", screen), "primo");
    typeAndLeave(find<QLineEdit>("Text3", screen), "primo");
    click(find<QPushButton>("Command1", screen));
    EXPECT_EQ(prompter.texts(), QStringList{"Password modificata"});
    EXPECT_EQ(storedPassword(), QByteArray("primo").leftJustified(20, ' '));

    prompter.clear();
    trigger("pass_mod");
    typeAndLeave(find<QLineEdit>("Text1", find("Form12")), "");
    EXPECT_EQ(prompter.texts(), QStringList{"Password errata"});

    // Switching on needs the stored password and saves the state.
    prompter.clear();
    prompter.answerNext(true);
    trigger("pass_att");
    EXPECT_EQ(prompter.texts(), QStringList{"Password non attivata. Si vuole attivarla?"});
    screen = find("Form11");
    ASSERT_NE(screen, nullptr);

    prompter.clear();
    type(find<QLineEdit>("Text1", screen), "PRIMO");
    click(find<QPushButton>("Command1", screen));
    EXPECT_EQ(prompter.texts(), QStringList{"ATTENZIONE: \rPASSWORD NON CORRETTA"});
    EXPECT_EQ(storedState(), QByteArray(2, '\0'));
    EXPECT_TRUE(openScreens().contains("Form11")) << "a wrong entry keeps the screen open";

    prompter.clear();
    type(find<QLineEdit>("Text1", screen), "primo");
    click(find<QPushButton>("Command1", screen));
    EXPECT_EQ(prompter.texts(), QStringList{"Password corretta. La password verrà attivata"});
    EXPECT_EQ(storedState(), QByteArray("\xFF\xFF"));
    EXPECT_FALSE(openScreens().contains("Form11"));

    prompter.clear();
    prompter.answerNext(false);
    trigger("pass_att");
    EXPECT_EQ(prompter.texts(), QStringList{"Password attivata. Si vuole disattivarla?"});
    EXPECT_FALSE(openScreens().contains("Form11")) << "No opens nothing";
}

} // namespace
