#pragma once

#include "platform/ticks.h"

#include <QDateTime>
#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace korven::test {

// Ticks on virtual time. Each pump jumps straight to the next thing due (a
// tick, a byte arriving, an action a test planned), runs it, and lets queued
// Qt events run. The computer's clock starts at 5 March 2024, 12:00:00.
class VirtualClock : public Ticks {
public:
    using Action = std::function<void()>;

    static QDateTime start() { return QDateTime(QDate(2024, 3, 5), QTime(12, 0, 0)); }

    qint64 nowMs() const { return nowUs_ / 1000; }
    qint64 nowUs() const { return nowUs_; }

    // Runs `action` in the pump that reaches `ms` (or the next, when past);
    // actions due together run in the order scheduled.
    void at(qint64 ms, Action action) { atUs(ms * 1000, std::move(action)); }
    void atUs(qint64 us, Action action) {
        actions_.emplace(std::max(us, nowUs_), std::move(action));
    }

    // Pumps until `ms` have passed, as a modal dialog held open that long.
    void runFor(qint64 ms) {
        for (const qint64 untilUs = nowUs_ + ms * 1000; nowUs_ < untilUs;)
            pump();
    }

    void setFastTicksEnabled(bool enabled) override;
    void pump() override;
    // What comes due meanwhile happens, but no Qt event is handled; the next
    // pump then returns at once, as a real one does with events pending.
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
