#include "installation.h"
#include "shell_fixture.h"

using namespace korven;
using namespace korven::test;

namespace {

const QString kInvalid = QStringLiteral("ATTENZIONE valore non valido");

class Configuration : public ShellTest {
protected:
    void SetUp() override {
        writeInstallation(folder);
        writeSettings(folder, settingsRecord("plant.stp", "logger"));
        startProgram();
        trigger("generale");
        screen = find("Form7");
        ASSERT_NE(screen, nullptr);
        loggers = find<QLineEdit>("Text2", screen);
        lastBlock = find<QLineEdit>("Text1", screen);
    }

    QByteArray sideFiles() const {
        return folder.read("plant.pas") + folder.read("plant.DIR") + folder.read("plant.PUN");
    }

    QWidget* screen = nullptr;
    QLineEdit* loggers = nullptr;
    QLineEdit* lastBlock = nullptr;
};

TEST_F(Configuration, TheLastBlockMustBeANumberUpTo4099) {
    const QList<std::tuple<QString, QString, bool>> cases = {
        {"abc", "0", true}, {"4100", "0", true},  {"4099", "4099", false},
        {"0", "0", false},  {"12x", "12", false}, {"40000", "0", true},
    };
    for (const auto& [typed, shown, refused] : cases) {
        prompter.clear();
        typeAndLeave(lastBlock, typed);
        EXPECT_EQ(lastBlock->text(), shown) << typed.toStdString();
        EXPECT_EQ(prompter.texts(), refused ? QStringList{kInvalid} : QStringList{})
            << typed.toStdString();
    }
    EXPECT_EQ(prompter.prompts().value(0).icon, MessageIcon::Critical);
}

TEST_F(Configuration, TheLoggerCountRefusesWhatIsNotA16BitNumberAndZeroOnSaving) {
    typeAndLeave(loggers, "70000");
    EXPECT_EQ(prompter.texts(), QStringList{kInvalid});
    EXPECT_EQ(loggers->text(), "0") << "refused, not wrapped round";
    prompter.clear();
    const QByteArray before = sideFiles();
    typeAndLeave(loggers, "0");
    EXPECT_TRUE(prompter.prompts().isEmpty()) << "0 is refused only on saving";
    click(find<QPushButton>("Command1", screen));
    EXPECT_EQ(prompter.texts(), QStringList{"ATTENZIONE: Valore 0 non valido"});
    EXPECT_EQ(sideFiles(), before);
}

TEST_F(Configuration, SavingWritesAllThreeSideFilesAndTheStatusBar) {
    const QByteArray directoryBefore = folder.read("plant.DIR");
    typeAndLeave(loggers, "2");
    typeAndLeave(lastBlock, "120");
    click(find<QPushButton>("Command1", screen));

    EXPECT_TRUE(prompter.prompts().isEmpty());
    const QByteArray pas = folder.read("plant.pas");
    EXPECT_EQ(pas.mid(12, 3), "2  ");
    EXPECT_EQ(pas.mid(126, 4), "120 ");
    EXPECT_EQ(pas.mid(35, 2), "12") << "the rest of the record is kept";
    const QByteArray pun = folder.read("plant.PUN");
    EXPECT_EQ(pun.mid(12, 2), int16Bytes(120));
    EXPECT_EQ(pun.left(12), "carried-over");
    EXPECT_EQ(folder.read("plant.DIR"), directoryBefore);
    EXPECT_EQ(panel("StatusBar1Panel3"), "Ultimo Blocco: 120");
}

} // namespace
