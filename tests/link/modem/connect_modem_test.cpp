// The modem's call on virtual time, against the simulated Hayes modem with
// the simulated logger behind it.

#include "link/link_texts.h"
#include "link/modem/modem_rig.h"
#include "link/modem/send_modem_init.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

namespace texts = modem_texts;

TEST(ConnectModem, AWholeCallSetsTheModemUpDialsAndWakesTheLoggerThroughTheCall) {
    ModemRig rig;
    EXPECT_EQ(rig.connect(), ModemCallEnd::Connected);

    EXPECT_EQ(rig.port.writes(), kSettingUpAndDial + QList<QByteArray>{"\r"} + wakeUpBytes());
    EXPECT_EQ(rig.reporter.asked, QStringList{kDialQuestion});
    EXPECT_EQ(rig.modem().dialled(), "T0123456");
    EXPECT_TRUE(rig.modem().hasCall());
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>{"z"});

    // The status grows while the modem is set up, then counts the call's seconds.
    EXPECT_EQ(rig.reporter.statuses.mid(5, 2),
              (QStringList{texts::talking + "---------->", texts::calling(0)}));
    EXPECT_TRUE(rig.reporter.statuses.contains(texts::calling(3)));
    EXPECT_FALSE(rig.reporter.statuses.contains(texts::calling(5)));
    EXPECT_EQ(rig.progress.value(0), "Attesa 0") << "the wake-up shows on the caller's label";

    // Connected: counted as up, shown so, the wait screen gone, the port
    // closed while the modems keep the line.
    EXPECT_EQ(rig.state.line, ModemState::Line::CallHeld);
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{true});
    EXPECT_FALSE(rig.reporter.waitOpen);
    EXPECT_FALSE(rig.reporter.hourglass);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_TRUE(rig.reporter.told.isEmpty());
}

TEST(ConnectModem, DialsByPulsesAndSendsOnlyTheInitialisationStringsThatHoldSomething) {
    ModemRig rig;
    rig.call.modem.dialling = 1;
    // Blank, and never written (zero bytes): nothing to send either way.
    rig.call.modem.initStrings = {QString(12, u' '), QStringLiteral("  AT&C0"), QString(12, u' '),
                                  QString(12, QChar(u'\0'))};
    EXPECT_EQ(rig.connect(), ModemCallEnd::Connected);
    EXPECT_EQ(rig.port.writes().first(3),
              (QList<QByteArray>{"ATE0\r", "AT&C0\r", "atdp0123456\r"}));
    EXPECT_EQ(rig.modem().dialled(), "P0123456");
}

// An initialisation string used to be awaited for ever.
TEST(ConnectModem, ASwitchedOffModemIsToldWithinFiveSecondsAndNothingIsDialled) {
    ModemRig rig({.switchedOn = false});
    EXPECT_EQ(rig.connect(), ModemCallEnd::ModemSilent);
    EXPECT_LE(rig.clock.nowMs(), 6000);
    EXPECT_EQ(rig.port.writes(), QList<QByteArray>{"ATE0\r"});
    EXPECT_EQ(rig.reporter.told, QStringList{texts::modemSilent});
    EXPECT_EQ(rig.reporter.asked, QStringList{kDialQuestion}) << "no question after a silent modem";
    EXPECT_FALSE(rig.state.connected);
    EXPECT_TRUE(rig.reporter.heldChanges.isEmpty());
    EXPECT_FALSE(rig.reporter.waitOpen);
    EXPECT_FALSE(rig.port.isOpen());

    const qint64 start = rig.clock.nowMs();
    auto conversation = rig.link.startConversation();
    ASSERT_FALSE(conversation->openPort());
    EXPECT_EQ(sendModemInit(*conversation, "ATX1"), LinkStatus::NoAnswer);
    EXPECT_LE(rig.clock.nowMs() - start, 6000);
    EXPECT_EQ(rig.port.writes().last(), "ATX1\r");
}

// Busy, nobody answering, and no carrier: no "CONNECT" within 70 seconds.
TEST(ConnectModem, ACallThatDoesNotComeUpIsARemoteNotReadyAndYesHangsUp) {
    for (const auto outcome :
         {sim::CallOutcome::Busy, sim::CallOutcome::NoAnswer, sim::CallOutcome::NoCarrier}) {
        ModemRig rig({.call = outcome});
        qint64 dialledAt = -1;
        qint64 toldAt = -1;
        rig.reporter.onStatus = [&](const QString& text) {
            if (text == texts::calling(0) && dialledAt < 0)
                dialledAt = rig.clock.nowMs();
        };
        rig.reporter.onTell = [&](const QString&) {
            if (toldAt < 0)
                toldAt = rig.clock.nowMs();
        };
        EXPECT_EQ(rig.connect(), ModemCallEnd::RemoteNotReady);
        EXPECT_GE(toldAt - dialledAt, 70'000);
        EXPECT_LE(toldAt - dialledAt, 71'000);

        EXPECT_EQ(rig.reporter.told,
                  (QStringList{texts::remoteNotReady, texts::helpOnLine, texts::hungUp}));
        EXPECT_EQ(rig.reporter.asked, (QStringList{kDialQuestion, texts::hangUpAfterFailure}));
        // No call came up: a CR ends a dial still going on, then "ATH0".
        EXPECT_EQ(rig.writesFrom(5), (QList<QByteArray>{"\r", "ATH0\r"}));
        EXPECT_FALSE(rig.modem().isDialling());
        EXPECT_EQ(rig.state.line, ModemState::Line::Idle);
        EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
    }
}

TEST(ConnectModem, NoToHangingUpAfterAFailedCallKeepsTheConnectionCountedAsUp) {
    ModemRig rig({.call = sim::CallOutcome::Busy});
    rig.reporter.answers = {true, false};
    EXPECT_EQ(rig.connect(), ModemCallEnd::RemoteNotReady);
    EXPECT_EQ(rig.writesFrom(5), QList<QByteArray>{}) << "nothing after the dial";
    EXPECT_TRUE(rig.state.connected);
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{true});
    EXPECT_EQ(rig.state.line, ModemState::Line::Dialling) << "the hang-up will not escape";
}

// The wake-up's failure used to be ignored, leaving the program connected to
// a logger that does not answer; now the user decides.
TEST(ConnectModem, ALoggerThatDoesNotWakeThroughTheCallLetsTheUserHangUpOrKeepTheLine) {
    for (const bool hangUp : {true, false}) {
        ModemRig rig;
        rig.faults().neverWakes = true;
        rig.reporter.answers = {true, hangUp};
        EXPECT_EQ(rig.connect(), ModemCallEnd::LoggerNotConnected);

        EXPECT_EQ(rig.reporter.asked.value(1), texts::hangUpAfterFailure);
        const QStringList failure{texts::loggerNotConnected, texts::helpOnLine};
        if (hangUp) {
            EXPECT_EQ(rig.reporter.told, failure + QStringList{texts::hungUp});
            EXPECT_EQ(rig.port.writes().mid(rig.port.writes().size() - 2),
                      (QList<QByteArray>{"+++", "ATH0\r"}));
            EXPECT_FALSE(rig.modem().hasCall());
            EXPECT_FALSE(rig.state.connected);
            EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
        } else {
            EXPECT_EQ(rig.reporter.told, failure);
            EXPECT_TRUE(rig.modem().hasCall());
            EXPECT_TRUE(rig.state.connected);
            EXPECT_EQ(rig.state.line, ModemState::Line::CallHeld);
            EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{true});
        }
        EXPECT_FALSE(rig.reporter.waitOpen);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

TEST(ConnectModem, TheWaitScreensButtonHangsUpAndEndsTheCallQuietly) {
    ModemRig rig({.callMs = 30'000});
    rig.reporter.onStatus = [&](const QString& text) {
        if (text == texts::calling(2)) {
            EXPECT_TRUE(rig.reporter.stopOffered);
            EXPECT_FALSE(rig.reporter.hourglass)
                << "the pointer is normal while the call is awaited";
            rig.state.stop = true;
        }
    };
    EXPECT_EQ(rig.connect(), ModemCallEnd::Stopped);
    EXPECT_LT(rig.clock.nowMs(), 20'000);
    EXPECT_EQ(rig.writesFrom(5), (QList<QByteArray>{"\r", "ATH0\r"}));
    EXPECT_FALSE(rig.modem().isDialling());
    EXPECT_EQ(rig.reporter.told, QStringList{texts::hungUp});
    EXPECT_FALSE(rig.reporter.waitOpen);
    EXPECT_FALSE(rig.reporter.stopOffered);
    EXPECT_EQ(rig.state.line, ModemState::Line::Idle);
}

TEST(ConnectModem, APortThatWillNotOpenOrANoToTheNumberDialsNothing) {
    ModemRig missing;
    missing.port.setPortMissing(1);
    EXPECT_EQ(missing.connect(), ModemCallEnd::PortFailed);
    EXPECT_EQ(missing.reporter.told, QStringList{link_texts::invalidPort});

    ModemRig held;
    held.port.setPortHeld(1);
    EXPECT_EQ(held.connect(), ModemCallEnd::PortFailed);
    EXPECT_EQ(held.reporter.told, QStringList{"ATTENZIONE: Si è verificato l'errore: 8005"});
    EXPECT_TRUE(held.reporter.asked.isEmpty());

    ModemRig declined;
    declined.reporter.answers = {false};
    EXPECT_EQ(declined.connect(), ModemCallEnd::Declined);

    for (ModemRig* rig : {&missing, &held, &declined}) {
        EXPECT_TRUE(rig->port.writes().isEmpty());
        EXPECT_EQ(rig->reporter.waitsOpened, 0);
        EXPECT_FALSE(rig->port.isOpen());
    }
}

// korvenctl's stop signal: the call ends at once and whoever stopped it
// hangs up.
TEST(ConnectModem, AStopRequestEndsTheCallWaitAtOnce) {
    ModemRig slowRig({.callMs = 60'000});
    slowRig.clock.at(20'000, [&] { slowRig.clock.requestStop(); });
    EXPECT_EQ(slowRig.connect(), ModemCallEnd::Stopped);
    EXPECT_LT(slowRig.clock.nowMs(), 21'500);
    EXPECT_EQ(slowRig.state.line, ModemState::Line::Dialling);
    EXPECT_EQ(slowRig.port.writes(), kSettingUpAndDial);
    EXPECT_TRUE(slowRig.reporter.told.isEmpty());
    EXPECT_FALSE(slowRig.reporter.waitOpen);

    // The next conversation is not stopped: the hang-up goes through.
    EXPECT_EQ(slowRig.hangUp(), HangUpEnd::Done);
    EXPECT_FALSE(slowRig.modem().isDialling());
}

} // namespace
} // namespace korven::test
