// Hanging the modem up on virtual time, after a call that came up.

#include "link/modem/modem_rig.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

namespace texts = modem_texts;

// Connected, with what the call sent counted.
struct ConnectedRig : ModemRig {
    explicit ConnectedRig(sim::ModemConfig config = {}) : ModemRig(config) {
        EXPECT_EQ(connect(), ModemCallEnd::Connected);
        sentBefore = port.writes().size();
        startedAt = clock.nowMs();
        reporter.heldChanges.clear();
    }
    qint64 elapsedMs() const { return clock.nowMs() - startedAt; }

    qsizetype sentBefore = 0;
    qint64 startedAt = 0;
};

// The modem only takes "+++" after a guard second of silence, so its "OK" to
// "ATH0" shows the guard was kept.
TEST(HangUpModem, EscapesFromTheCallAfterAGuardSecondAndHangsUp) {
    ConnectedRig rig;
    EXPECT_EQ(rig.hangUp(), HangUpEnd::Done);
    EXPECT_EQ(rig.writesFrom(rig.sentBefore), (QList<QByteArray>{"+++", "ATH0\r"}));
    EXPECT_FALSE(rig.modem().hasCall());
    EXPECT_EQ(rig.reporter.told, QStringList{texts::hungUp});
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
    EXPECT_FALSE(rig.state.connected);
    EXPECT_EQ(rig.state.line, ModemState::Line::Idle);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.reporter.hourglass);
    EXPECT_LT(rig.elapsedMs(), 5000);
}

TEST(HangUpModem, AModemThatStaysInTheCallIsReportedAfterSevenSeconds) {
    sim::ModemConfig stubborn;
    stubborn.ignoresEscape = true;
    ConnectedRig rig(stubborn);
    EXPECT_EQ(rig.hangUp(), HangUpEnd::NoEscape);
    EXPECT_EQ(rig.writesFrom(rig.sentBefore), QList<QByteArray>{"+++"}) << "no ATH0 without OK";
    EXPECT_EQ(rig.reporter.told, QStringList{texts::hangUpFailed});
    EXPECT_GE(rig.elapsedMs(), 8000);
    EXPECT_LE(rig.elapsedMs(), 10'000);
    // Shown free all the same: the user has been told to check the modem.
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
    EXPECT_FALSE(rig.state.connected);
    EXPECT_FALSE(rig.port.isOpen());
}

// "ATH0" used to be awaited for ever; a silent modem now ends the hang-up.
TEST(HangUpModem, ASilentAnswerToTheHangUpIsToldWithinSeconds) {
    sim::ModemConfig silent;
    silent.silentHangUp = true;
    ConnectedRig rig(silent);
    EXPECT_EQ(rig.hangUp(), HangUpEnd::ModemSilent);
    EXPECT_EQ(rig.writesFrom(rig.sentBefore), (QList<QByteArray>{"+++", "ATH0\r"}));
    EXPECT_EQ(rig.reporter.told, QStringList{texts::modemSilent});
    EXPECT_LE(rig.elapsedMs(), 10'000);
    EXPECT_EQ(rig.reporter.heldChanges, QList<bool>{false});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.reporter.hourglass);
    EXPECT_EQ(rig.state.line, ModemState::Line::CallHeld) << "the call may still be up";
}

// A stop request (a closing program, a signal) while hanging up is dropped
// while stops are held, so the line is not left held.
TEST(HangUpModem, HeldStopsLetTheHangUpFinish) {
    ConnectedRig rig;
    rig.clock.holdStops(true);
    rig.clock.at(rig.clock.nowMs() + 1500, [&] { rig.clock.requestStop(); });
    EXPECT_EQ(rig.hangUp(), HangUpEnd::Done);
    rig.clock.holdStops(false);
    EXPECT_FALSE(rig.modem().hasCall());
    EXPECT_FALSE(rig.clock.takeStopRequest());
}

} // namespace
} // namespace korven::test
