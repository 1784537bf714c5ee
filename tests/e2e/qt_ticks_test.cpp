#include "platform/qt_ticks.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(QtTicks, CountSecondsAlwaysAndTenthsOnlyWhenEnabledWithoutSpinning) {
    QtTicks ticks;
    QElapsedTimer time;
    time.start();
    int pumps = 0;
    ticks.setFastTicksEnabled(true);
    while (time.elapsed() < 550) {
        ticks.pump();
        ++pumps;
    }
    ticks.setFastTicksEnabled(false);
    const int tenths = ticks.fastTicks();
    // Timers run late on a loaded machine, never early.
    EXPECT_GE(tenths, 3);
    EXPECT_LE(tenths, 6);

    while (ticks.secondTicks() < 2) {
        ticks.pump();
        ++pumps;
    }
    EXPECT_EQ(ticks.fastTicks(), tenths);
    EXPECT_GE(time.elapsed(), 1900);
    EXPECT_LE(time.elapsed(), 2600);
    // Each pump waited for a tick instead of coming straight back.
    EXPECT_LT(pumps, 20);
}

} // namespace
} // namespace korven
