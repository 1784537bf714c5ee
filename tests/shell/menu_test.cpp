#include "installation.h"
#include "shell/shell_texts.h"
#include "shell_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>

using namespace korven;
using namespace korven::test;

namespace {

const QString kNotInRelease = QString::fromUtf8(shell_texts::notInThisRelease);
const QString kModemUp = QString::fromUtf8(shell_texts::modemConnectionUp);

using MainMenu = ShellTest;

TEST_F(MainMenu, HoldsEveryMenuAndItemUnderItsName) {
    const MainWindow& window = openMainWindow();
    EXPECT_EQ(window.windowTitle(), "KORVEN");
    const QList<std::pair<const char*, const char*>> menus = {
        {"sysetup", "File"},         {"Mod_config", "Configurazione"},
        {"Mod_sistems", "Sistema"},  {"Passw", "Password"},
        {"Mod_VESKAR", "KORVEN"},    {"Lettura", "Lettura canali"},
        {"scarico", "Scarico dati"}, {"mnuHelp", "Help"}};
    for (const auto& [name, caption] : menus) {
        auto* menu = find<QMenu>(QString::fromLatin1(name));
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), caption);
    }
    const QList<std::pair<const char*, const char*>> items = {
        {"Sistema", "Sistema"},
        {"veskar", "KORVEN"},
        {"Mod_seriale", "Seriale"},
        {"Mod_modem", "Modem"},
        {"Mod_canali", "Set up canali"},
        {"generale", "Generale"},
        {"pass_att", "Attiva/disattiva"},
        {"pass_mod", "Modifica"},
        {"Lettura_conf", "Leggi configurazione"},
        {"SET_CAN_VESKAR", "Set up canali"},
        {"Freq_acq", "Frequenza acquisizione"},
        {"gene_VESKAR", "Generale"},
        {"Modem", "Attivazione Modem"},
        {"leggi_tutti", "Leggi tutti i canali"},
        {"leggi_uno", "Leggi un solo canale"},
        {"sc_manuale", "Manuale"},
        {"sc_autom", "Automatico"},
        {"mnuManuale", "Manuale"},
        {"mnuAbout", "KORVEN"},
        {"extm", "Exit"}};
    for (const auto& [name, caption] : items) {
        auto* action = find<QAction>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption);
    }
    EXPECT_TRUE(find<QMenu>("Mod_sistems")->actions().contains(find<QAction>("generale")));
    EXPECT_TRUE(window.menuBar()->actions().contains(find<QAction>("extm")));
}

TEST_F(MainMenu, ItemsWhoseScreensAreNotInThisReleaseSaySo) {
    openMainWindow();
    for (const char* item :
         {"Mod_seriale", "Mod_modem", "Mod_canali", "SET_CAN_VESKAR", "Freq_acq", "gene_VESKAR",
          "Modem", "leggi_tutti", "leggi_uno", "sc_manuale", "sc_autom", "Lettura_conf"}) {
        prompter.clear();
        trigger(item);
        ASSERT_EQ(prompter.texts(), QStringList{kNotInRelease}) << item;
        EXPECT_EQ(prompter.prompts().value(0).icon, MessageIcon::Critical);
    }
    EXPECT_TRUE(port.writes().isEmpty());
}

TEST_F(MainMenu, LeggiConfigurazioneOnlyShowsItsMessageWhateverIsInstalled) {
    ScreenCatalog screens;
    screens.channelReading = recordingScreen("Form5");
    openMainWindow(std::move(screens));
    trigger("Lettura_conf");
    EXPECT_EQ(prompter.texts(), QStringList{kNotInRelease});
    EXPECT_EQ(port.opens(), 0);
    EXPECT_TRUE(screensOpened.isEmpty());
}

TEST_F(MainMenu, SettingsItemsAreRefusedWhileAModemHoldsTheLine) {
    ScreenCatalog screens;
    screens.rs232Settings = recordingScreen("Form4");
    screens.modemSetup = recordingScreen("Form71");
    screens.systemSetupEditor = recordingScreen("Form3");
    openMainWindow(std::move(screens));
    session.status.setText(StatusTexts::Modem, QStringLiteral("CONNESSIONE IN CORSO"));
    EXPECT_FALSE(find<QStatusBar>("StatusBar3")->isHidden());
    EXPECT_EQ(panel("StatusBar3Panel1"), "CONNESSIONE IN CORSO");

    for (const char* item : {"Mod_seriale", "Mod_modem", "Mod_canali", "Sistema", "veskar"})
        trigger(item);
    EXPECT_EQ(prompter.countOf(kModemUp), 5);
    EXPECT_TRUE(screensOpened.isEmpty());
    EXPECT_TRUE(files.openRequests().isEmpty());

    session.status.setText(StatusTexts::Modem, QString());
    EXPECT_TRUE(find<QStatusBar>("StatusBar3")->isHidden());
    trigger("Mod_seriale");
    EXPECT_EQ(screensOpened, QStringList{"Form4"});
    EXPECT_EQ(openScreens(), QStringList{"Form4"});
}

TEST_F(MainMenu, AScreenAskedForTwiceIsShownOnce) {
    ScreenCatalog screens;
    screens.singleChannelReading = recordingScreen("Form36");
    openMainWindow(std::move(screens));
    trigger("leggi_uno");
    trigger("leggi_uno");
    EXPECT_EQ(screensOpened.size(), 1);
    EXPECT_EQ(openScreens(), QStringList{"Form36"});
}

TEST_F(MainMenu, AReadingScreenWhoseLinkFailedWhileLoadingIsDropped) {
    ScreenCatalog screens;
    screens.channelReading = [this](Session& s) {
        session.link.state().linkAborted = true;
        return recordingScreen("Form5")(s);
    };
    screens.automaticDownload = recordingScreen("Form9");
    openMainWindow(std::move(screens));

    trigger("leggi_tutti");
    EXPECT_TRUE(openScreens().isEmpty());
    EXPECT_FALSE(session.link.state().linkAborted) << "the flag is cleared for the next try";

    trigger("sc_autom");
    EXPECT_TRUE(session.automaticDownload);
    EXPECT_EQ(openScreens(), QStringList{"Form9"});
}

TEST_F(MainMenu, AClosedScreenLeavesNoFrameBehind) {
    writeInstallation(folder);
    writeSettings(folder, settingsRecord("plant.stp", "logger"));
    startProgram();
    trigger("generale");
    ASSERT_EQ(openScreens(), (QStringList{"Form1", "Form7"}));
    click(find<QPushButton>("Command2", find("Form7")));
    EXPECT_EQ(openScreens(), QStringList{"Form1"});

    trigger("generale");
    QPointer<QWidget> screen = find("Form7");
    ASSERT_TRUE(screen);
    qobject_cast<QMdiSubWindow*>(screen->parentWidget())->close();
    EXPECT_EQ(openScreens(), QStringList{"Form1"});
    EXPECT_TRUE(screen.isNull()) << "closing the frame deletes its screen";
}

TEST_F(MainMenu, TheManualOpensFromTheProgramFolderWithItsTitle) {
    openMainWindow();
    folder.write("KORVENmanuale_1x.pdf", "%PDF-1.4\n");
    trigger("mnuManuale");
    EXPECT_TRUE(prompter.prompts().isEmpty());
    ASSERT_EQ(documents.documents().size(), 1);
    EXPECT_EQ(documents.documents()[0].path, folder.path("KORVENmanuale_1x.pdf"));
    EXPECT_EQ(documents.documents()[0].title, "Manuale d'uso KORVEN");
}

TEST_F(MainMenu, AMissingManualOrViewerIsReportedAndTheProgramGoesOn) {
    openMainWindow();
    trigger("mnuManuale");
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains("KORVENmanuale_1x.pdf"));
    EXPECT_EQ(prompter.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(documents.documents().isEmpty());

    folder.write("KORVENmanuale_1x.pdf", "%PDF-1.4\n");
    documents.failWith(QStringLiteral("nessun lettore"));
    trigger("mnuManuale");
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_TRUE(prompter.texts()[1].contains("nessun lettore"));

    trigger("mnuAbout");
    EXPECT_EQ(openScreens(), QStringList{"About"});
}

TEST_F(MainMenu, TheAboutBoxShowsTheVersionAndOpensItsLinks) {
    openMainWindow();
    trigger("mnuAbout");
    QWidget* about = find("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About KORVEN...");
    EXPECT_TRUE(
        find<QLabel>("lblVersion", about)
            ->text()
            .endsWith(QStringLiteral("%1.%2").arg(KORVEN_VERSION_MAJOR).arg(KORVEN_VERSION_MINOR)));

    auto* mail = find<QLabel>("MAILlbl", about);
    auto* web = find<QLabel>("URLlbl", about);
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    ASSERT_EQ(documents.links().size(), 2);
    EXPECT_EQ(documents.links()[0], "mailto:" + mail->text());
    EXPECT_EQ(documents.links()[1], web->text());
    EXPECT_TRUE(documents.links()[1].startsWith("https://"));

    auto* close = find<QPushButton>("btnclose", about);
    EXPECT_EQ(close->text(), "E&xit");
    click(close);
    EXPECT_TRUE(openScreens().isEmpty());
}

} // namespace
