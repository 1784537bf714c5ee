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

// The transmission screen, open and showing, with what a set-up screen
// prepared.
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

// The click that left the box with a bad code sends nothing.
TEST(TransmissionScreen, OpensForLoggerZeroAndRefusesCodesOutsideOneToNine) {
    for (const char* typed : {"12", "abc", "-3", "7"}) {
        TransmissionScreenRig rig(TransmissionOrder::readLastBlock());
        EXPECT_EQ(rig.codeBox()->text(), "0");
        rig.typeCode(typed);
        rig.leaveCodeBox();
        if (QByteArray(typed) == "7") {
            EXPECT_TRUE(rig.prompter.prompts().isEmpty());
            continue;
        }
        EXPECT_EQ(rig.codeBox()->text(), "0") << typed;
        ScreenRig::click(rig.screen, "Command3D2");
        EXPECT_EQ(rig.port.opens(), 0);
        EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::invalidValue});
        EXPECT_EQ(rig.prompter.prompts()[0].icon, MessageIcon::Critical);
    }
}

TEST(TransmissionScreen, LastBlockRequestHandsBackBlock300AndCloses) {
    TransmissionScreenRig rig(TransmissionOrder::readLastBlock());
    QSignalSpy block(&rig.screen, &TransmissionScreen::lastBlockRead);
    rig.confirm("1");

    ASSERT_EQ(block.size(), 1);
    EXPECT_EQ(block[0][0].toInt(), 300);
    EXPECT_EQ(rig.session.link.state().loggerNumber, 1);
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "j", "Z"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{resumedText(1)});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.screen.isVisible());
}

TEST(TransmissionScreen, PreparedCommandReachesTheTypedLoggerWithItsProgressText) {
    TransmissionScreenRig rig(TransmissionOrder::setScan(3, 1));
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

TEST(TransmissionScreen, ClosingDuringTheWakeUpStopsItAndThenCloses) {
    TransmissionScreenRig rig(TransmissionOrder::setScan(3, 1));
    rig.screen.setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TransmissionScreen> screen(&rig.screen);
    rig.clock.at(1200, [&] {
        rig.screen.close();
        // Still there: the wait it is in has to unwind first.
        EXPECT_TRUE(rig.screen.isVisible());
    });
    rig.confirm("1");

    EXPECT_FALSE(rig.screen.isVisible());
    EXPECT_LE(rig.clock.nowMs(), 1300);
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    EXPECT_FALSE(rig.session.link.busy());
    // Deletion waits for the event loop; the rig still owns the screen, so
    // take it back before that happens.
    rig.screen.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(screen);
}

// Closed once the wake-up had stopped the logger: the setting is not sent,
// but the logger does not stay stopped either.
TEST(TransmissionScreen, ClosingAfterTheWakeUpPutsTheLoggerBackIntoScanning) {
    TransmissionScreenRig rig(TransmissionOrder::setScan(3, 1));
    rig.port.logger().setEventSink([&](sim::EventTopic, const QByteArray& text) {
        if (text == "command z")
            rig.screen.close();
    });
    rig.confirm("1");

    EXPECT_FALSE(rig.screen.isVisible());
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "Z"}));
    EXPECT_TRUE(rig.port.logger().isAcquiring());
    EXPECT_EQ(rig.prompter.texts(), QStringList{resumedText(1)});
}

// Another transmission or the port settings confirmed during a wait are
// refused or wait their turn; the exchange under way runs to its end.
TEST(TransmissionScreen, OtherButtonsPressedDuringAnExchangeLeaveItAlone) {
    TransmissionScreenRig rig(TransmissionOrder::readLastBlock());
    TransmissionScreen other(rig.session, TransmissionOrder::readLastBlock());
    other.show();
    QTest::keyClicks(ScreenRig::child<QLineEdit>(other, "numld2"), "2");
    Rs232Screen settings(rig.session);
    settings.show();
    rig.clock.at(1500, [&] { ScreenRig::click(other, "Command3D2"); });
    rig.clock.at(1600, [&] { ScreenRig::click(settings, "Command3D2"); });
    rig.confirm("1");

    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "j", "Z"}));
    EXPECT_FALSE(rig.port.writes().contains(QByteArray("\x82")));
    // The transmission, the fresh opening after the status reply, and the resume.
    EXPECT_EQ(rig.port.opens(), 3);
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(settings.isVisible());
}

// A window that holds a woken logger keeps the line: the transmission is
// refused with its name, and nothing goes out.
TEST(TransmissionScreen, AnotherWindowHoldingAWokenLoggerRefusesItByName) {
    TransmissionScreenRig rig(TransmissionOrder::readLastBlock());
    ExchangeGuard reading(rig.session, [] { return QStringLiteral("REAL TIME READING"); });
    reading.setResume([] { return true; }, [] {});
    rig.confirm("1");

    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_EQ(rig.prompter.texts(), QStringList{session_texts::lineInUse.arg("REAL TIME READING")});
    EXPECT_TRUE(rig.screen.isVisible());
}

} // namespace
} // namespace korven::test
