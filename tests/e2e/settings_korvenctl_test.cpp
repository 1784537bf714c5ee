// korvenctl clock and setup send against korven-sim on a pseudo-terminal.

#include "download_e2e_rig.h"
#include "logger_setup/logger_set_bytes.h"

#include <QRegularExpression>

#include <cstdio>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// The seconds of the nth "drift:          +3600 s" line.
int driftOf(const ToolRun& run, int n) {
    const QString line = run.out.filter("drift:").value(n);
    static const QRegularExpression seconds("^drift: +([+-]?\\d+) s$");
    const auto match = seconds.match(line);
    EXPECT_TRUE(match.hasMatch()) << qPrintable(run.out.join(u'\n')) << qPrintable(run.err);
    return match.hasMatch() ? match.captured(1).toInt() : 99999;
}

TEST(KorvenctlClock, TellsTheHourOfDriftAndSetBringsItUnderTwoSeconds) {
    ProgramFolder folder;
    Simulator simulator(folder.link(), {"--clock-offset", "3600"});

    // --set tells the drift it found before it sets the clock.
    const ToolRun set = korvenctl(folder.onLine({"clock", "--set", "--if-drift", "2"}));
    EXPECT_EQ(set.exitCode, 0) << qPrintable(set.err);
    ASSERT_EQ(set.out.size(), 7) << qPrintable(set.out.join(u'\n'));
    EXPECT_TRUE(set.out[0].startsWith("logger clock:   "));
    EXPECT_TRUE(set.out[1].startsWith("computer clock: "));
    const int before = driftOf(set, 0);
    EXPECT_NEAR(before, 3600, 1);
    EXPECT_TRUE(set.out[3].startsWith("clock set to:   "));
    const int after = driftOf(set, 1);
    EXPECT_LT(std::abs(after), 2);

    // Read again by a run of its own, the setting holds; a threshold above
    // what remains leaves the clock alone.
    const ToolRun again = korvenctl(folder.onLine({"clock", "--set", "--if-drift", "2"}));
    EXPECT_EQ(again.exitCode, 0) << qPrintable(again.err);
    EXPECT_EQ(again.out.value(3), "clock not set: the drift is within 2 s");
    const int later = driftOf(again, 0);
    EXPECT_LT(std::abs(later), 2);
    std::printf("drift before --set %+d s, read back by --set %+d s, by the next run %+d s\n",
                before, after, later);
}

TEST(KorvenctlSetupSend, SendsTheChannelsShowingProgressAndResumesTheLogger) {
    ProgramFolder folder;
    QByteArray channels;
    for (int n = 0; n < 8; ++n)
        channels += distinctLoggerChannel(n).bytes();
    folder.write("logger.tmr", channels);
    folder.setScanFlags('1', '0');
    Simulator simulator(folder.link());

    const ToolRun run = korvenctl(folder.onLine({"setup", "send", "--code", "1"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringList{"8 channels and \"C1\" sent to logger 1"});
    EXPECT_TRUE(run.err.contains("korvenctl: Channel parameter sending 07")) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("KORVEN nr. 1 in scansione")) << qPrintable(run.err);
}

} // namespace
} // namespace korven::test::download_e2e
