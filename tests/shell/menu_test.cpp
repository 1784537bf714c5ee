#include "session/session_texts.h"
#include "shell/shell_texts.h"
#include "shell_fixture.h"

#include <QApplication>
#include <QPointer>

using namespace korven;
using namespace korven::test;

namespace {

using MainMenu = ShellTest;

// With an empty catalogue every item that opens a screen says it is not active.
TEST_F(MainMenu, ItemsWithoutAScreenInTheCatalogueSaySoAndTheManualOpensWithItsTitle) {
    openMainWindow();
    for (const char* item :
         {"Mod_seriale", "SET_CAN_VESKAR", "Modem", "leggi_uno", "sc_autom", "sc_archivio"})
        trigger(item);
    EXPECT_EQ(prompter.countOf(shell_texts::notInThisRelease), 6);
    EXPECT_EQ(prompter.prompts().value(0).icon, MessageIcon::Critical);
    EXPECT_TRUE(port.writes().isEmpty());

    // A missing manual or viewer is reported and the program goes on.
    prompter.clear();
    trigger("mnuManuale");
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains("KORVENmanuale_1x.pdf"));

    folder.write("KORVENmanuale_1x.pdf", "%PDF-1.4\n");
    documents.failWith(QStringLiteral("nessun lettore"));
    trigger("mnuManuale");
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.texts()[1].contains("nessun lettore"));
    EXPECT_TRUE(documents.documents().isEmpty());

    documents.failWith(QString());
    trigger("mnuManuale");
    ASSERT_EQ(documents.documents().size(), 1);
    EXPECT_EQ(documents.documents()[0].path, folder.path("KORVENmanuale_1x.pdf"));
    EXPECT_EQ(documents.documents()[0].title, "Manuale d'uso KORVEN");
}

TEST_F(MainMenu, SettingsItemsAreRefusedWhileAModemHoldsTheLine) {
    openMainWindow({.rs232Settings = recordingScreen("Form4", "Impostazione RS232"),
                    .modemSetup = recordingScreen("Form71"),
                    .systemSetupEditor = recordingScreen("Form3")});
    session.status.setText(StatusTexts::Modem, QStringLiteral("CONNESSIONE IN CORSO"));

    for (const char* item : {"Mod_seriale", "Mod_modem", "Mod_canali", "Sistema", "veskar"})
        trigger(item);
    EXPECT_EQ(prompter.countOf(session_texts::modemConnectionUp), 5);
    EXPECT_TRUE(screensOpened.isEmpty());
    EXPECT_TRUE(files.openRequests().isEmpty());

    session.status.setText(StatusTexts::Modem, QString());
    trigger("Mod_seriale");
    EXPECT_EQ(openScreens(), QStringList{"Form4"});
    QWidget* frame = find("Form4")->parentWidget();
    QFont bold = frame->font();
    bold.setBold(true);
    EXPECT_GT(frame->width(), QFontMetrics(bold).horizontalAdvance("Impostazione RS232"))
        << "the frame shows its whole title";
}

TEST_F(MainMenu, AReadingScreenWhoseLinkFailedWhileLoadingIsDropped) {
    const ScreenFactory failingLink = [this](Session& s) {
        session.link.state().linkAborted = true;
        return recordingScreen("Form5")(s);
    };
    openMainWindow({.channelReading = failingLink, .automaticDownload = recordingScreen("Form9")});

    trigger("leggi_tutti");
    EXPECT_TRUE(openScreens().isEmpty());
    EXPECT_FALSE(session.link.state().linkAborted) << "the flag is cleared for the next try";

    trigger("sc_autom");
    EXPECT_TRUE(session.automaticDownload);
    EXPECT_EQ(openScreens(), QStringList{"Form9"});
}

TEST_F(MainMenu, AScreenOpensActiveInFrontWithTheProgramsIconAndLeavesNoFrameBehind) {
    writeNamedInstallation();
    startProgram();
    trigger("generale");
    auto* frame = qobject_cast<QMdiSubWindow*>(find("Form7")->parentWidget());
    auto* area = find<QMdiArea>({});
    EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), frame);
    EXPECT_EQ(area->activeSubWindow(), frame);
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(frame->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    click(find<QPushButton>("Command2", find("Form7")));
    EXPECT_EQ(openScreens(), QStringList{"Form1"});

    trigger("generale");
    QPointer<QWidget> screen = find("Form7");
    ASSERT_TRUE(screen);
    qobject_cast<QMdiSubWindow*>(screen->parentWidget())->close();
    EXPECT_EQ(openScreens(), QStringList{"Form1"});
    EXPECT_TRUE(screen.isNull()) << "closing the frame deletes its screen";
}

} // namespace
