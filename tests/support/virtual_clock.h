#pragma once

#include "platform/ticks.h"

#include <QtGlobal>

#include <functional>
#include <map>
#include <optional>

namespace korven::test {

// Ticks on virtual time. Each pump jumps straight to the next thing due - a
// second tick, a tenth tick while enabled, or a scheduled action such as a
// byte arriving or a click a test planned - runs it, and lets queued Qt
// events run without waiting. A wake-up that takes twelve seconds on a real
// line takes a few milliseconds here.
class VirtualClock : public Ticks {
public:
    using Action = std::function<void()>;

    qint64 nowMs() const { return nowUs_ / 1000; }
    qint64 nowUs() const { return nowUs_; }
    int pumps() const { return pumps_; }

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

private:
    qint64 nowUs_ = 0;
    qint64 nextSecondUs_ = 1'000'000;
    std::optional<qint64> nextTenthUs_;
    std::multimap<qint64, Action> actions_;
    int pumps_ = 0;
};

} // namespace korven::test
