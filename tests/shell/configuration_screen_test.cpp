#include "shell_fixture.h"

using namespace korven;
using namespace korven::test;

namespace {

const QString kInvalid = QStringLiteral("ATTENZIONE valore non valido");

using Configuration = ShellTest;

// The values' rules are the configuration values' own; here, when they apply.
TEST_F(Configuration, LeavingAFieldChecksItAndSavingWritesTheSideFilesAndTheStatusBar) {
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

} // namespace
