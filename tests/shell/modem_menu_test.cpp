// "Attivazione Modem" through the main window against the simulated modem.

#include "link/modem/modem_texts.h"
#include "link/screens/modem_connection.h"
#include "shell_fixture.h"
#include "support/modem_identity.h"

#include <QApplication>
#include <QStatusBar>

using namespace korven;
using namespace korven::test;

namespace {

namespace texts = modem_texts;

const QString kDialQuestion = QStringLiteral("Il modem comporrà il numero 0123456 \rProseguire?");

class ModemMenu : public ShellTest {
protected:
    void SetUp() override {
        writeNamedInstallation();
        folder.write("plant.pas", ModemIdentity{}.bytes());
        // The resume before the hang-up reads the scan flags of the logger set-up.
        folder.write("logger.par", loggerParRecord('0'));
        port.putModemInFront(modem);
        startProgram({.switchModemConnection = switchModemConnection});
        prompter.clear();
    }

    static QWidget* waitScreen() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == u"Form72" && widget->isVisible())
                return widget;
        return nullptr;
    }
    static QString waitText() { return waitScreen()->findChild<QLabel*>("Label2")->text(); }
    static QPushButton* stopButton() { return waitScreen()->findChild<QPushButton*>("Command1"); }

    QString modemCaption() { return find<QAction>("Modem")->text(); }
    bool modemBarShown() { return !find<QStatusBar>("StatusBar3")->isHidden(); }

    sim::ModemConfig modem;
};

// The call itself is the modem call's; here, the menu item, its caption and status bar.
TEST_F(ModemMenu, DialsThenShowsTheConnectionAndHangsUpOnRequest) {
    trigger("Modem");

    EXPECT_EQ(prompter.texts(), QStringList{kDialQuestion});
    EXPECT_EQ(waitScreen(), nullptr);
    EXPECT_EQ(modemCaption(), "    Disattiva modem   ");
    EXPECT_TRUE(modemBarShown());
    EXPECT_EQ(panel("StatusBar3Panel1"), "CONNESSIONE IN CORSO");
    EXPECT_TRUE(port.modem()->hasCall());

    const qsizetype sent = port.writes().size();
    prompter.clear();
    prompter.answerNext(false);
    trigger("Modem");
    EXPECT_EQ(port.writes().size(), sent) << "No keeps the line";
    EXPECT_TRUE(port.modem()->hasCall());

    // The logger the call woke scans again before the line is given up.
    trigger("Modem");
    EXPECT_EQ(prompter.texts(),
              (QStringList{texts::disconnect, texts::disconnect, resumedText(0), texts::hungUp}));
    EXPECT_EQ(port.writes().mid(sent), (QList<QByteArray>{"\x80", "z\r", "+++", "ATH0\r"}));
    EXPECT_FALSE(port.modem()->hasCall());
    EXPECT_EQ(modemCaption(), "   Attiva modem   ");
    EXPECT_FALSE(modemBarShown());
}

TEST_F(ModemMenu, TheWaitScreenShowsTheCallAndItsButtonStopsIt) {
    modem.callMs = 40'000;
    port.putModemInFront(modem);
    clock.at(25'000, [] {
        ASSERT_NE(waitScreen(), nullptr);
        EXPECT_TRUE(waitText().startsWith("Chiamata in corso\nTempo trascorso: \n"))
            << qPrintable(waitText());
        ASSERT_TRUE(stopButton()->isVisible());
        click(stopButton());
    });
    // Looked at while the modem hangs up, not only right after the click.
    clock.at(26'000, [] {
        ASSERT_NE(waitScreen(), nullptr);
        EXPECT_EQ(waitText(), "Attendere:\nDisconnessione in corso");
        EXPECT_FALSE(stopButton()->isVisible());
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
