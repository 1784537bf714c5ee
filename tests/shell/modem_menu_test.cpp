// "Attivazione Modem" through the main window, on virtual time, against the
// simulated Hayes modem with the logger behind it.

#include "installation.h"
#include "link/modem/modem_texts.h"
#include "link/screens/modem_connection.h"
#include "logger_setup/logger_setup_layouts.h"
#include "shell_fixture.h"
#include "support/modem_identity.h"

#include <QApplication>
#include <QStatusBar>

using namespace korven;
using namespace korven::test;

namespace {

namespace texts = modem_texts;

const QString kDialQuestion = QStringLiteral("Il modem comporrà il numero 0123456 \rProseguire?");

// The wait screen as the user sees it at one moment.
struct WaitView {
    QString status;
    bool stopOffered;
    bool operator==(const WaitView&) const = default;
};

class ModemMenu : public ShellTest {
protected:
    void SetUp() override {
        writeInstallation(folder);
        folder.write("plant.pas", ModemIdentity{}.bytes());
        writeSettings(folder, settingsRecord("plant.stp", "logger"));
        // The resume before the hang-up reads the scan flags of the logger set-up.
        QByteArray par(LoggerParLayout::recordLength, ' ');
        par[LoggerParLayout::acquisitionFlag.offset] = '0';
        par[LoggerParLayout::sleepFlag.offset] = '0';
        folder.write("logger.par", par);
        port.putModemInFront(modem);
        ScreenCatalog screens;
        screens.switchModemConnection = switchModemConnection;
        startProgram(std::move(screens));
        prompter.clear();
    }

    static QWidget* waitScreen() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == u"Form72" && widget->isVisible())
                return widget;
        return nullptr;
    }

    // Looks at the wait screen every half second of virtual time while the
    // menu item runs, and keeps each new sight of it.
    void watchWaitScreen(qint64 untilMs) {
        for (qint64 at = clock.nowMs(); at < untilMs; at += 500)
            clock.at(at, [this] {
                QWidget* screen = waitScreen();
                if (!screen)
                    return;
                const WaitView view{screen->findChild<QLabel*>("Label2")->text(),
                                    screen->findChild<QPushButton*>("Command1")->isVisible()};
                if (seen.isEmpty() || !(seen.last() == view))
                    seen.append(view);
            });
    }

    QString modemCaption() { return find<QAction>("Modem")->text(); }
    bool modemBarShown() { return !find<QStatusBar>("StatusBar3")->isHidden(); }

    sim::ModemConfig modem;
    QList<WaitView> seen;
};

// What the call does is the modem call's own; here, the menu item, the wait
// screen, the menu caption and the status bar around it.
TEST_F(ModemMenu, DialsWithTheWaitScreenUpThenShowsTheConnectionAndHangsUpOnRequest) {
    watchWaitScreen(40'000);
    trigger("Modem");

    EXPECT_EQ(prompter.texts(), QStringList{kDialQuestion});
    ASSERT_GE(seen.size(), 2);
    EXPECT_EQ(seen.first(), (WaitView{texts::talking, false}));
    EXPECT_TRUE(seen.contains(WaitView{"Chiamata in corso\nTempo trascorso: \n2 secondi.", true}));
    EXPECT_EQ(waitScreen(), nullptr);
    EXPECT_EQ(modemCaption(), "    Disattiva modem   ");
    EXPECT_TRUE(modemBarShown());
    EXPECT_EQ(panel("StatusBar3Panel1"), "CONNESSIONE IN CORSO");
    EXPECT_TRUE(port.modem()->hasCall());

    // The call's wake-up stopped the logger and no screen resumed it: it goes
    // back into scanning before the line is given up.
    prompter.clear();
    const qsizetype sent = port.writes().size();
    trigger("Modem");
    EXPECT_EQ(prompter.texts(), (QStringList{texts::disconnect, resumedText(0), texts::hungUp}));
    EXPECT_EQ(port.writes().mid(sent), (QList<QByteArray>{"\x80", "z\r", "+++", "ATH0\r"}));
    EXPECT_FALSE(port.modem()->hasCall());
    EXPECT_EQ(modemCaption(), "   Attiva modem   ");
    EXPECT_FALSE(modemBarShown());
}

TEST_F(ModemMenu, NoToTheQuestionLeavesTheConnectionUp) {
    trigger("Modem");
    const qsizetype sent = port.writes().size();
    prompter.answerNext(false);
    trigger("Modem");
    EXPECT_EQ(prompter.texts().last(), texts::disconnect);
    EXPECT_EQ(port.writes().size(), sent);
    EXPECT_TRUE(port.modem()->hasCall());
}

TEST_F(ModemMenu, TheWaitScreensButtonStopsTheCall) {
    modem.callMs = 40'000;
    port.putModemInFront(modem);
    clock.at(25'000, [this] {
        QWidget* screen = waitScreen();
        ASSERT_NE(screen, nullptr);
        click(screen->findChild<QPushButton*>("Command1"));
    });
    // Looked at while the modem hangs up, not only right after the click.
    clock.at(26'000, [] {
        QWidget* screen = waitScreen();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->findChild<QLabel*>("Label2")->text(),
                  "Attendere:\nDisconnessione in corso");
    });
    trigger("Modem");
    EXPECT_LT(clock.nowMs(), 35'000);
    EXPECT_EQ(prompter.texts(), (QStringList{kDialQuestion, texts::hungUp}));
    EXPECT_EQ(waitScreen(), nullptr);
    EXPECT_EQ(modemCaption(), "   Attiva modem   ");
}

// The program's message boxes carry their icons.
TEST_F(ModemMenu, ARemoteLoggerThatDoesNotWakeIsToldWithTheProgramsIcons) {
    port.logger().faults().neverWakes = true;
    prompter.answerNext(true);  // dial
    prompter.answerNext(false); // keep the line
    trigger("Modem");
    ASSERT_EQ(prompter.prompts().size(), 5);
    EXPECT_EQ(prompter.prompts()[2].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompter.prompts()[3].icon, MessageIcon::Critical);
    EXPECT_EQ(modemCaption(), "    Disattiva modem   ");
}

TEST_F(ModemMenu, ExitWhileConnectedHangsUpBeforeTheProgramEnds) {
    trigger("Modem");
    ASSERT_TRUE(port.modem()->hasCall());
    prompter.clear();
    trigger("extm");
    // The logger the call woke scans again before the line goes.
    EXPECT_EQ(prompter.texts(),
              (QStringList{"Si vuole uscire dal programma? ", resumedText(0), texts::hungUp}));
    EXPECT_FALSE(port.modem()->hasCall());
    EXPECT_EQ(programEnds, 1);
}

} // namespace
