#include "link/link_texts.h"
#include "link/screens/rs232_screen.h"
#include "link/screens/screen_rig.h"
#include "link/screens/transmission_screen.h"
#include "session/exchange_guard.h"
#include "session/session_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// The transmission screen, showing, with what a set-up screen prepared.
struct TransmissionScreenRig : ScreenRig {
    explicit TransmissionScreenRig(TransmissionOrder order) : screen(session, std::move(order)) {
        screen.show();
    }

    QLineEdit* codeBox() { return child<QLineEdit>(screen, "numld2"); }
    void typeCode(const QString& code) {
        codeBox()->clear();
        QTest::keyClicks(codeBox(), code);
    }
    // Leaving the box with the keyboard runs the code check.
    void leaveCodeBox() { Q_EMIT codeBox()->editingFinished(); }
    void confirm(const QString& code) {
        typeCode(code);
        click(screen, "Command3D2");
    }

    TransmissionScreen screen;
};

// A window holding a woken logger keeps the line: refused by its name. A
// refused code stays refused: the click that left the box sends nothing.
TEST(TransmissionScreen, RefusesWhileTheLineIsHeldAndCodesOutsideOneToNineThenSendsToTheLogger) {
    TransmissionScreenRig rig(TransmissionOrder::setScan(3, 1));
    EXPECT_EQ(rig.codeBox()->text(), "0");
    {
        ExchangeGuard reading(rig.session, [] { return QStringLiteral("REAL TIME READING"); });
        reading.setResume([] { return true; }, [] {});
        rig.confirm("1");
        EXPECT_EQ(rig.prompter.texts(),
                  QStringList{session_texts::lineInUse.arg("REAL TIME READING")});
        EXPECT_TRUE(rig.screen.isVisible());
        ExchangeGuard other(rig.session, [] { return QStringLiteral("OTHER"); });
        EXPECT_FALSE(other.run([] {})) << "refused";
        EXPECT_TRUE(reading.run([] {}) && reading.run([] {})) << "one after another";
    }
    for (const char* typed : {"12", "abc", "-3"}) {
        rig.prompter.clear();
        rig.typeCode(typed);
        rig.leaveCodeBox();
        EXPECT_EQ(rig.codeBox()->text(), "0") << typed;
        ScreenRig::click(rig.screen, "Command3D2");
        EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::invalidValue}) << typed;
        EXPECT_EQ(rig.prompter.prompts()[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(rig.port.opens(), 0);
    EXPECT_TRUE(rig.port.writes().isEmpty());
    rig.prompter.clear();
    rig.typeCode("7");
    rig.leaveCodeBox();
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());

    rig.confirm("1");
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "M31", "Z"}));
    const auto writes = rig.port.writes();
    EXPECT_EQ(writes[writes.indexOf("M31\r") - 1], "\x81");
    EXPECT_EQ(ScreenRig::child<QLabel>(rig.screen, "Label2")->text(),
              "KORVEN nr. 1 on line\nChannel parameters");
}

TEST(TransmissionScreen, WakeOnlyWakesTheLoggerAndHandsBackTheCode) {
    TransmissionScreenRig rig(TransmissionOrder::wakeOnly());
    rig.confirm("1");

    EXPECT_EQ(rig.screen.wokenLogger(), 1);
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>{"z"});
    // The caller goes on talking to the logger on the open port.
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_FALSE(rig.session.link.busy());
    EXPECT_EQ(rig.screen.result(), QDialog::Accepted);
}

// Closed once the logger is stopped, it sends nothing but puts the logger
// back into scanning; closed during the wake-up, it stops it and closes.
TEST(TransmissionScreen, ClosingDuringAnExchangeStopsItAndLeavesTheLoggerScanning) {
    TransmissionScreenRig after(TransmissionOrder::setScan(3, 1));
    after.port.logger().setEventSink([&](sim::EventTopic, const QByteArray& text) {
        if (text == "command z")
            after.screen.close();
    });
    after.confirm("1");
    EXPECT_FALSE(after.screen.isVisible());
    EXPECT_EQ(after.port.logger().commands(), QList<QByteArray>({"z", "Z"}));
    EXPECT_TRUE(after.port.logger().isAcquiring());
    EXPECT_EQ(after.prompter.texts(), QStringList{resumedText(1)});

    TransmissionScreenRig during(TransmissionOrder::setScan(3, 1));
    during.screen.setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TransmissionScreen> screen(&during.screen);
    during.clock.at(1200, [&] {
        during.screen.close();
        EXPECT_TRUE(during.screen.isVisible()) << "the wait it is in unwinds first";
    });
    during.confirm("1");
    EXPECT_FALSE(during.screen.isVisible());
    EXPECT_LE(during.clock.nowMs(), 1300);
    EXPECT_TRUE(during.prompter.prompts().isEmpty());
    EXPECT_FALSE(during.session.link.busy());
    // The rig owns the screen: take it back before an event loop deletes it.
    during.screen.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(screen);
}

// Another transmission or the port settings confirmed during the wait are
// refused or wait their turn; the exchange under way runs to its end.
TEST(TransmissionScreen, LastBlockRequestHandsBackBlock300AndClosesWhateverElseIsPressed) {
    TransmissionScreenRig rig(TransmissionOrder::readLastBlock());
    QSignalSpy block(&rig.screen, &TransmissionScreen::lastBlockRead);
    TransmissionScreen other(rig.session, TransmissionOrder::readLastBlock());
    other.show();
    QTest::keyClicks(ScreenRig::child<QLineEdit>(other, "numld2"), "2");
    Rs232Screen settings(rig.session);
    settings.show();
    rig.clock.at(1500, [&] { ScreenRig::click(other, "Command3D2"); });
    rig.clock.at(1600, [&] { ScreenRig::click(settings, "Command3D2"); });
    rig.confirm("1");

    ASSERT_EQ(block.size(), 1);
    EXPECT_EQ(block[0][0].toInt(), 300);
    EXPECT_EQ(rig.session.link.state().loggerNumber, 1);
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "j", "Z"}));
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({session_texts::lineInUse.arg("Trasmissione"), resumedText(1)}));
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.screen.isVisible());
    EXPECT_FALSE(rig.port.writes().contains(QByteArray("\x82")));
    // The transmission, the fresh opening after the status reply, and the resume.
    EXPECT_EQ(rig.port.opens(), 3);
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(settings.isVisible());
}

} // namespace
} // namespace korven::test
