#include "support/virtual_clock.h"

#include <QCoreApplication>

#include <utility>

namespace korven::test {

// No wait of the program is this long: a test that gets here is stuck.
constexpr qint64 kRunawayUs = 3'600'000'000LL;

void VirtualClock::setFastTicksEnabled(bool enabled) {
    if (enabled && !nextTenthUs_)
        nextTenthUs_ = nowUs_ + 100'000;
    else if (!enabled)
        nextTenthUs_.reset();
}

void VirtualClock::pump() {
    if (!std::exchange(happenedDuringRest_, false))
        advanceTo(nextDueUs());
    QCoreApplication::processEvents();
}

void VirtualClock::rest(int ms) {
    const qint64 untilUs = nowUs_ + qint64(ms) * 1000;
    while (nextDueUs() <= untilUs) {
        advanceTo(nextDueUs());
        happenedDuringRest_ = true;
    }
    nowUs_ = std::max(nowUs_, untilUs);
}

qint64 VirtualClock::nextDueUs() const {
    const qint64 next = std::min(nextSecondUs_, nextTenthUs_.value_or(nextSecondUs_));
    return actions_.empty() ? next : std::min(next, actions_.begin()->first);
}

void VirtualClock::advanceTo(qint64 us) {
    nowUs_ = us;
    if (nowUs_ > kRunawayUs)
        qFatal("The virtual clock passed an hour: some wait never ends");

    // Actions may schedule more actions for this same moment; they run too.
    while (!actions_.empty() && actions_.begin()->first <= nowUs_) {
        const Action action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();
    }
    if (nowUs_ == nextSecondUs_) {
        nextSecondUs_ += 1'000'000;
        secondElapsed();
    }
    if (nextTenthUs_ && nowUs_ == *nextTenthUs_) {
        *nextTenthUs_ += 100'000;
        tenthElapsed();
    }
}

} // namespace korven::test
