// Hanging the modem up on virtual time, after a call that came up.

#include "link/modem/modem_rig.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

namespace texts = modem_texts;

// The modem only takes "+++" after a guard second of silence, so its "OK" to
// "ATH0" shows the guard was kept. A modem that stays in the call is told
// after seven seconds and gets no "ATH0"; a silent answer to "ATH0" (once
// awaited for ever) ends the hang-up within seconds. Either way the line is
// shown free: the user has been told to check the modem.
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

        EXPECT_EQ(rig.hangUp(), c.end);
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

// A stop request (a closing program, a signal) while hanging up is dropped
// while stops are held, so the line is not left held.
TEST(HangUpModem, HeldStopsLetTheHangUpFinish) {
    ModemRig rig;
    ASSERT_EQ(rig.connect(), ModemCallEnd::Connected);
    rig.clock.holdStops(true);
    rig.clock.at(rig.clock.nowMs() + 1500, [&] { rig.clock.requestStop(); });
    EXPECT_EQ(rig.hangUp(), HangUpEnd::Done);
    rig.clock.holdStops(false);
    EXPECT_FALSE(rig.modem().hasCall());
    EXPECT_FALSE(rig.clock.takeStopRequest());
}

} // namespace
} // namespace korven::test
