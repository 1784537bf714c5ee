// The production time base in real time, alone and with the port on a silent line.
#include "download_e2e_rig.h"
#include "link/link_texts.h"
#include "link/logger_link.h"
#include "link/port_settings.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "link/wake_logger.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "support/scripted_prompter.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <ctime>

namespace korven::test {
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

TEST(SilentLine, WakeUpGivesUpAfterFourCyclesAndBurnsNoProcessor) {
    TempFolder folder;
    download_e2e::Simulator silent(folder.path("com1"), {"--silent"});
    qputenv("KORVEN_COM1", folder.path("com1").toLocal8Bit());
    QtSerialPort port;
    configurePort(port, PortSettings{0, 2});
    QtTicks ticks;
    ScriptedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter{prompter, labels};
    LoggerLink link{port, ticks, reporter};
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();

    auto conversation = link.startConversation();
    EXPECT_EQ(wakeLogger(*conversation), LinkStatus::NoAnswer);

    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const qint64 wallMs = wall.elapsed();
    std::printf("silent wake-up: %lld ms of waiting, %.1f ms of processor (%.2f%%)\n",
                static_cast<long long>(wallMs), cpuMs, 100.0 * cpuMs / double(wallMs));
    EXPECT_GT(wallMs, 4 * 2300);
    EXPECT_LT(wallMs, 4 * 3600);
    EXPECT_LT(cpuMs, 0.02 * double(wallMs));
    EXPECT_EQ(prompter.texts(), QStringList{link_texts::notConnected});
    EXPECT_EQ(link.state().linkFailed, 1);
}

} // namespace
} // namespace korven::test
