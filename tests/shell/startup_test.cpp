#include "session/session_texts.h"
#include "shell_fixture.h"

#include <QStatusBar>

using namespace korven;
using namespace korven::test;

namespace {

const QString kPathMessage = session_texts::pathNotFound;

class StartUp : public ShellTest {
protected:
    void expectFallbackTexts() {
        EXPECT_EQ(prompter.countOf(kPathMessage), 1) << "the path message is shown once";
        EXPECT_EQ(prompter.prompts().size(), 1);
        EXPECT_EQ(prompter.prompts().value(0).icon, MessageIcon::Critical);
        EXPECT_EQ(panel("StatusBar2Panel1"), "FILE DI SISTEMA NON CORRETTAMENTE INSERITO");
        EXPECT_EQ(panel("StatusBar2Panel2"), "FILE KORVEN NON CORRETTAMENTE INSERITO");
        EXPECT_EQ(session.installation.systemFilePath, folder.path("sistema.stp"));
        EXPECT_EQ(port.opens(), 0) << "the port is not tested";
    }
};

TEST_F(StartUp, AValidInstallationFillsTheStatusBarsAndTestsItsPortThenExitAsks) {
    writeNamedInstallation();
    startProgram();

    EXPECT_TRUE(prompter.prompts().isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(panel("StatusBar1Panel1"), "Com 2, 9600");
    EXPECT_EQ(panel("StatusBar1Panel3"), "Ultimo Blocco: 37");
    EXPECT_EQ(panel("StatusBar1Panel4"), "Data Ultimo scarico: 01/02/2024");
    EXPECT_EQ(panel("StatusBar2Panel1"), "File sistema: " + folder.path("plant.stp"));
    EXPECT_EQ(panel("StatusBar2Panel2"), "file KORVEN: " + folder.path("logger") + ".tmr");
    EXPECT_EQ(port.portNumber(), 2);
    EXPECT_EQ(port.opens(), 1);
    EXPECT_FALSE(port.isOpen()) << "the test opening closes the port again";
    EXPECT_EQ(session.loggerCount, 3);
    EXPECT_EQ(session.dataFileName, "misure.prn");
    EXPECT_TRUE(find<QAction>("Modem")->isEnabled());
    EXPECT_TRUE(find<QStatusBar>("StatusBar3")->isHidden());

    // Exit asks, and No does nothing.
    const QByteArray settingsBefore = folder.read("config.dat");
    prompter.answerNext(false);
    trigger("extm");
    ASSERT_EQ(prompter.texts(), QStringList{"Si vuole uscire dal programma? "});
    EXPECT_EQ(prompter.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(prompter.prompts()[0].noIsDefault);
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(folder.read("config.dat"), settingsBefore);

    prompter.answerNext(true);
    trigger("extm");
    EXPECT_EQ(programEnds, 1);
}

TEST_F(StartUp, WithoutConfigDatTheUserIsToldOnceHowToChooseTheFiles) {
    startProgram();
    expectFallbackTexts();
    EXPECT_FALSE(session.settings.passwordActive());
}

TEST_F(StartUp, WithTheDownloadPointerFileMissingTheLoaderStopsBeforeThePort) {
    writeNamedInstallation();
    QFile::remove(folder.path("plant.PUN"));
    startProgram();
    expectFallbackTexts();
}

TEST_F(StartUp, APortThatCannotBeOpenedIsReportedAndTheStartGoesOn) {
    writeNamedInstallation();
    port.setPortHeld(2);
    startProgram();
    // Named as a port conflict, not as a missing installation.
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("Errore seriale nr. "));
    EXPECT_TRUE(prompter.texts()[0].endsWith("\rControllare eventuali conflitti sulla porta"));
    EXPECT_EQ(panel("StatusBar2Panel1"), "File sistema: " + folder.path("plant.stp"));
    EXPECT_EQ(session.dataFileName, "misure.prn") << "the steps after the port still run";
}

} // namespace
