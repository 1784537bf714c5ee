#pragma once

#include "platform/ticks.h"

#include <QDateTime>
#include <QtGlobal>

#include <functional>
#include <map>
#include <optional>

namespace korven::test {

// Ticks on virtual time. Each pump jumps straight to the next thing due - a
// second tick, a tenth tick while enabled, or a scheduled action such as a
// byte arriving or a click a test planned - runs it, and lets queued Qt
// events run without waiting. A wake-up that takes twelve seconds on a real
// line takes a few milliseconds here. The computer's clock starts at
// 5 March 2024, 12:00:00 and runs on the same virtual time.
class VirtualClock : public Ticks {
public:
    using Action = std::function<void()>;

    static QDateTime start() { return QDateTime(QDate(2024, 3, 5), QTime(12, 0, 0)); }

    qint64 nowMs() const { return nowUs_ / 1000; }
    qint64 nowUs() const { return nowUs_; }

    // Runs `action` inside the pump that reaches `ms` (or the next pump, when
    // that time has passed). Actions due at the same moment run in the order
    // they were scheduled.
    void at(qint64 ms, Action action) { atUs(ms * 1000, std::move(action)); }
    void atUs(qint64 us, Action action);

    // Pumps until `ms` have passed: what a modal dialog held open that long
    // does with its own event loop.
    void runFor(qint64 ms);

    void setFastTicksEnabled(bool enabled) override;
    void pump() override;
    // Time passes as on a real line: what comes due meanwhile (a character
    // arriving, a tick) happens, but no Qt event is handled. What happened is
    // waiting for the next pump, which then returns at once, as a real one
    // does with events pending.
    void rest(int ms) override;
    QDateTime now() const override { return start().addMSecs(nowMs()); }

private:
    qint64 nextDueUs() const;
    // Moves to `us`, no later than anything due, and runs what is due then.
    void advanceTo(qint64 us);

    qint64 nowUs_ = 0;
    qint64 nextSecondUs_ = 1'000'000;
    std::optional<qint64> nextTenthUs_;
    std::multimap<qint64, Action> actions_;
    bool happenedDuringRest_ = false;
};

} // namespace korven::test
