#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/modem/connect_modem.h"
#include "link/modem/hang_up_modem.h"
#include "link/modem/modem_settings.h"
#include "link/modem/modem_texts.h"
#include "link/modem/send_modem_init.h"
#include "support/modem_identity.h"
#include "support/recording_modem_reporter.h"
#include "system_setup/side_file_layouts.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

namespace texts = modem_texts;

// A Hayes modem before the logger; a call to "0123456" by tones, COM 1 at 9600.
struct ModemRig : LinkRig {
    explicit ModemRig(sim::ModemConfig config = {}) {
        port.putModemInFront(config);
        call.port = {0, 2};
        call.modem.telephoneNumber = QStringLiteral("0123456").leftJustified(19);
        call.modem.status = 0;
        call.modem.initStrings = {QStringLiteral("AT&D0&K0&R1 "), QStringLiteral("AT&C0       "),
                                  QStringLiteral("ATX1        "), QString(12, u' ')};
        call.callerScreen = QStringLiteral("Form27");
    }

    ModemCallEnd connect() {
        auto conversation = link.startConversation();
        return connectModem(*conversation, call, state, reporter);
    }
    HangUpEnd hangUp() {
        auto conversation = link.startConversation();
        return hangUpModem(*conversation, state, reporter);
    }

    sim::HayesModem& modem() { return *port.modem(); }
    // What went out since write `from`.
    QList<QByteArray> writesFrom(qsizetype from) const { return port.writes().mid(from); }

    ModemCall call;
    ModemState state;
    RecordingModemReporter reporter;
};

// The modem's set-up and the dial of a call to "0123456" by tones.
const QList<QByteArray> kSettingUpAndDial = {"ATE0\r", "AT&D0&K0&R1\r", "AT&C0\r", "ATX1\r",
                                             "atdt0123456\r"};

const QString kDialQuestion = QStringLiteral("Il modem comporrà il numero 0123456 \rProseguire?");

// The wait screen is gone and the port closed, whatever the call's end.
void expectWaitOver(const ModemRig& rig) {
    EXPECT_FALSE(rig.reporter.waitOpen);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(ConnectModem, AWholeCallSetsTheModemUpDialsAndWakesTheLoggerThroughTheCall) {
    ModemRig rig;
    EXPECT_EQ(rig.connect(), ModemCallEnd::Connected);

    const QList<QByteArray> wakeUp{kBurst, kBurst, kBurst, kBurst, kBurst, kBroadcast, "z\r"};
    EXPECT_EQ(rig.port.writes(), kSettingUpAndDial + QList<QByteArray>{"\r"} + wakeUp);
    EXPECT_EQ(rig.reporter.asked, QStringList{kDialQuestion});
    // The status grows while the modem is set up, then counts the call's seconds.
    EXPECT_EQ(rig.reporter.statuses.mid(5, 2),
              (QStringList{texts::talking + "---------->", texts::calling(0)}));
    EXPECT_TRUE(rig.reporter.statuses.contains(texts::calling(3)));
    EXPECT_FALSE(rig.reporter.statuses.contains(texts::calling(5)));
    EXPECT_EQ(rig.progress.value(0), "Attesa 0") << "the wake-up shows on the caller's label";
    EXPECT_EQ(rig.state.line, ModemState::Line::CallHeld);
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{true});
    EXPECT_FALSE(rig.reporter.hourglass);
    expectWaitOver(rig);
    EXPECT_TRUE(rig.reporter.told.isEmpty());

    // By pulses, sending only the strings that hold something (blank or never written).
    ModemRig pulses;
    pulses.call.modem.dialling = 1;
    pulses.call.modem.initStrings = {QString(12, u' '), QStringLiteral("  AT&C0"),
                                     QString(12, u' '), QString(12, QChar(u'\0'))};
    EXPECT_EQ(pulses.connect(), ModemCallEnd::Connected);
    EXPECT_EQ(pulses.port.writes().first(3),
              (QList<QByteArray>{"ATE0\r", "AT&C0\r", "atdp0123456\r"}));
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
    expectWaitOver(rig);

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
        EXPECT_EQ(rig.connect(), ModemCallEnd::RemoteNotReady);
        EXPECT_EQ(rig.reporter.statuses.last(), texts::calling(71));
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

// The wake-up's failure through the call used to be ignored; now the user decides.
TEST(ConnectModem, ALoggerThatDoesNotWakeThroughTheCallLetsTheUserHangUpOrKeepTheLine) {
    for (const bool hangUp : {true, false}) {
        ModemRig rig;
        rig.faults().neverWakes = true;
        rig.reporter.answers = {true, hangUp};
        EXPECT_EQ(rig.connect(), ModemCallEnd::LoggerNotConnected);

        EXPECT_EQ(rig.reporter.asked.value(1), texts::hangUpAfterFailure);
        const QStringList failure{texts::loggerNotConnected, texts::helpOnLine};
        EXPECT_EQ(rig.reporter.told, hangUp ? failure + QStringList{texts::hungUp} : failure);
        EXPECT_EQ(rig.port.writes().last(2) == (QList<QByteArray>{"+++", "ATH0\r"}), hangUp);
        EXPECT_EQ(rig.modem().hasCall(), !hangUp);
        EXPECT_EQ(rig.state.connected, !hangUp);
        EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{!hangUp});
        EXPECT_EQ(rig.state.line, hangUp ? ModemState::Line::Idle : ModemState::Line::CallHeld);
        expectWaitOver(rig);
    }
}

TEST(ConnectModem, TheWaitScreensButtonHangsUpAndEndsTheCallQuietly) {
    ModemRig rig({.callMs = 30'000});
    rig.reporter.onStatus = [&](const QString& text) {
        if (text == texts::calling(2)) {
            EXPECT_TRUE(rig.reporter.stopOffered);
            EXPECT_FALSE(rig.reporter.hourglass) << "the pointer is normal while awaiting the call";
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

// korvenctl's stop signal ends the call's wait at once; whoever stopped it hangs up.
TEST(ConnectModem, AStopRequestEndsTheCallWaitAtOnce) {
    ModemRig rig({.callMs = 60'000});
    rig.clock.at(20'000, [&] { rig.clock.requestStop(); });
    EXPECT_EQ(rig.connect(), ModemCallEnd::Stopped);
    EXPECT_LT(rig.clock.nowMs(), 21'500);
    EXPECT_EQ(rig.state.line, ModemState::Line::Dialling);
    EXPECT_EQ(rig.port.writes(), kSettingUpAndDial);
    EXPECT_TRUE(rig.reporter.told.isEmpty());
    EXPECT_FALSE(rig.reporter.waitOpen);
    // The next conversation is not stopped: the hang-up goes through.
    EXPECT_EQ(rig.hangUp(), HangUpEnd::Done);
    EXPECT_FALSE(rig.modem().isDialling());
}

// "OK" to "ATH0" shows the guard second before "+++" was kept. A silent
// "ATH0" was once awaited for ever.
TEST(HangUpModem, EscapesFromTheCallAfterAGuardSecondAndHangsUpOrSaysWhyNot) {
    struct Case {
        sim::ModemConfig modem;
        HangUpEnd end;
        QList<QByteArray> sent;
        QString told;
        qint64 minMs, maxMs;
        ModemState::Line line;
    };
    using enum HangUpEnd;
    using enum ModemState::Line;
    const QList<QByteArray> both{"+++", "ATH0\r"};
    const Case cases[] = {
        {{}, Done, both, texts::hungUp, 1000, 5000, Idle},
        {{.ignoresEscape = true}, NoEscape, {"+++"}, texts::hangUpFailed, 8000, 10'000, CallHeld},
        {{.silentHangUp = true}, ModemSilent, both, texts::modemSilent, 1000, 10'000, CallHeld},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ModemRig rig(c.modem);
        ASSERT_EQ(rig.connect(), ModemCallEnd::Connected);
        const qsizetype sentBefore = rig.port.writes().size();
        const qint64 startedAt = rig.clock.nowMs();
        rig.reporter.heldChanges.clear();
        // A stop request (a closing program, a signal) is dropped while stops are held.
        rig.clock.holdStops(true);
        rig.clock.at(startedAt + 1500, [&] { rig.clock.requestStop(); });

        EXPECT_EQ(rig.hangUp(), c.end);
        rig.clock.holdStops(false);
        EXPECT_FALSE(rig.clock.takeStopRequest());
        EXPECT_EQ(rig.writesFrom(sentBefore), c.sent);
        EXPECT_EQ(rig.reporter.told, QStringList{c.told});
        EXPECT_GE(rig.clock.nowMs() - startedAt, c.minMs);
        EXPECT_LE(rig.clock.nowMs() - startedAt, c.maxMs);
        EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
        EXPECT_FALSE(rig.state.connected);
        EXPECT_EQ(rig.state.line, c.line);
        EXPECT_EQ(rig.modem().hasCall(), c.end != Done);
        EXPECT_FALSE(rig.port.isOpen());
        EXPECT_FALSE(rig.reporter.hourglass);
    }
}

TEST(ModemSettings, AreReadFromTheirOffsetsAndARecordNeverWrittenHasNothingToSend) {
    ModemIdentity identity;
    identity.number = "02 1234567";
    identity.dialling = '1';
    identity.status = '1';
    Record record(IdentityLayout::recordLength);
    record.setBytes(identity.bytes());
    const ModemSettings settings = modemSettingsOf(record);
    EXPECT_EQ(settings.dialledNumber(), "02 1234567");
    EXPECT_EQ(settings.announcedNumber(), "02 ") << "up to one past the first blank";
    EXPECT_EQ(settings.initString(0), "AT&D0&K0&R1");
    EXPECT_EQ(settings.initString(2), "ATX1");
    EXPECT_TRUE(settings.initString(3).isEmpty());
    EXPECT_TRUE(settings.pulses());
    EXPECT_EQ(settings.status, 1);
    EXPECT_FALSE(isModemActivated(record));

    // A record never written (zero bytes) counts as activated, as at start-up.
    const Record empty(IdentityLayout::recordLength);
    const ModemSettings none = modemSettingsOf(empty);
    EXPECT_TRUE(none.dialledNumber().isEmpty());
    EXPECT_TRUE(none.announcedNumber().isEmpty());
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        EXPECT_TRUE(none.initString(n).isEmpty()) << n;
    EXPECT_FALSE(none.pulses());
    EXPECT_TRUE(isModemActivated(empty));
}

} // namespace
} // namespace korven::test
