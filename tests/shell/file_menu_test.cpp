#include "session/session_texts.h"
#include "shell_fixture.h"

using namespace korven;
using namespace korven::test;

namespace {

const QString kNewFile = session_texts::newFileReset;

class FileMenu : public ShellTest {
protected:
    void SetUp() override {
        writeNamedInstallation();
        startProgram();
        prompter.clear();
    }

    QByteArray storedSystemPath() const { return folder.read("config.dat").mid(17, 45); }
    QByteArray storedLoggerPath() const { return folder.read("config.dat").mid(62, 45); }
};

TEST_F(FileMenu, SistemaCreatesANewSetUpWithDefaultsOrTakesAnExistingOne) {
    const QString path = folder.path("nuovo.stp");
    files.chooseNext(path);
    trigger("Sistema");

    ASSERT_EQ(files.openRequests().size(), 1);
    const OpenFileRequest request = files.openRequests()[0];
    EXPECT_EQ(request.filter, " FILE (*.stp)|*.stp|");
    EXPECT_EQ(request.initialFolder, folder.path());
    EXPECT_TRUE(request.promptToCreate);
    EXPECT_EQ(prompter.texts(), QStringList{kNewFile});
    // The system set-up's own tests check the defaults byte by byte.
    EXPECT_EQ(folder.read("nuovo.stp").size(), 2401 * 75);
    EXPECT_EQ(storedSystemPath(), field(path.toLatin1(), 45));
    EXPECT_EQ(session.dataFileName, "dati.prn");
    EXPECT_EQ(panel("StatusBar1Panel3"), "Ultimo Blocco: 0");
    EXPECT_EQ(panel("StatusBar2Panel1"), "File sistema: " + path);

    // An existing set-up is rewritten in nothing, and its port is probed.
    prompter.clear();
    writeInstallation("altro", '3', '1', 812);
    const QByteArray stpBefore = folder.read("altro.stp");
    const QByteArray pasBefore = folder.read("altro.pas");
    const int opensBefore = port.opens();

    files.chooseNext(folder.path("altro.stp"));
    trigger("Sistema");

    EXPECT_TRUE(prompter.prompts().isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(folder.read("altro.stp"), stpBefore);
    EXPECT_EQ(folder.read("altro.pas"), pasBefore);
    EXPECT_EQ(panel("StatusBar1Panel1"), "Com 4, 4800");
    EXPECT_EQ(panel("StatusBar1Panel3"), "Ultimo Blocco: 812");
    EXPECT_EQ(port.opens(), opensBefore + 1);
}

TEST_F(FileMenu, ASetUpWhosePathDoesNotFitIsStillTakenAndTheUserTold) {
    const QByteArray stored = storedSystemPath();
    const QString path = folder.path(QString(50, u'x') + ".stp");
    files.chooseNext(path);
    trigger("Sistema");
    EXPECT_TRUE(prompter.texts().last().startsWith("ATTENZIONE: percorso del file troppo lungo"));
    EXPECT_EQ(panel("StatusBar2Panel1"), "File sistema: " + path);
    EXPECT_EQ(storedSystemPath(), stored);
}

TEST_F(FileMenu, SistemaLeavesThePortToAConversationUnderWay) {
    std::optional<Conversation> conversation = session.link.startConversation();
    ASSERT_TRUE(conversation);
    ASSERT_FALSE(conversation->openPort());
    const int opensBefore = port.opens();
    writeInstallation("altro", '2');
    files.chooseNext(folder.path("altro.stp"));
    trigger("Sistema");

    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.opens(), opensBefore);
    EXPECT_EQ(panel("StatusBar1Panel1"), "Com 3, 9600");
    EXPECT_EQ(session.portSettings.portNumber(), 3) << "the next conversation uses it";
}

TEST_F(FileMenu, KorvenCreatesANewLoggerSetUpOrTakesAnExistingOne) {
    const QString path = folder.path("logger2.tmr");
    files.chooseNext(path);
    trigger("veskar");

    ASSERT_EQ(files.openRequests().size(), 1);
    EXPECT_EQ(files.openRequests()[0].filter, " FILE (*.tmr)|*.tmr|");
    EXPECT_EQ(prompter.texts(), QStringList{kNewFile});
    // The logger set-up's own tests check the defaults byte by byte.
    EXPECT_EQ(folder.read("logger2.tmr").size(), 8 * 35);
    EXPECT_EQ(storedLoggerPath(), field(folder.path("logger2").toLatin1(), 45));
    EXPECT_EQ(panel("StatusBar2Panel2"), "File KORVEN: " + path);

    // An existing set changes no file but the settings.
    prompter.clear();
    const QByteArray channel = field("Pressione", 10) + "ON +12345+00000" + "3214" + "ON ON ";
    folder.write("linea.tmr", channel.repeated(8));
    folder.write("linea.par", field("8", 39));
    files.chooseNext(folder.path("linea.tmr"));
    trigger("veskar");

    EXPECT_TRUE(prompter.prompts().isEmpty());
    EXPECT_EQ(folder.read("linea.tmr"), channel.repeated(8));
    EXPECT_EQ(folder.read("linea.par"), field("8", 39));
    EXPECT_EQ(storedLoggerPath(), field(folder.path("linea").toLatin1(), 45));
    EXPECT_EQ(storedSystemPath(), field("plant.stp", 45)) << "the other fields are kept";
}

} // namespace
