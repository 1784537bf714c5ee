// korvenctl clock against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <QRegularExpression>

#include <cstdio>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

QStringList clock(const ProgramFolder& folder, const QStringList& arguments = {}) {
    return QStringList{"--folder", folder.path(), "--device", folder.link(), "clock"} + arguments;
}

// The seconds of the nth "drift:          +3600 s" line.
int driftOf(const KorvenctlRun& run, int n) {
    const QString line = run.out.filter("drift:").value(n);
    static const QRegularExpression seconds("^drift: +([+-]?\\d+) s$");
    const auto match = seconds.match(line);
    EXPECT_TRUE(match.hasMatch()) << qPrintable(run.out.join(u'\n')) << qPrintable(run.err);
    return match.hasMatch() ? match.captured(1).toInt() : 99999;
}

TEST(KorvenctlClock, TellsTheHourOfDriftAndSetBringsItUnderTwoSeconds) {
    ProgramFolder folder;
    Simulator simulator(folder.link(), {"--clock-offset", "3600"});
    ASSERT_TRUE(simulator.ready());

    // --set tells the drift it found before it sets the clock.
    const KorvenctlRun set = korvenctl(clock(folder, {"--set", "--if-drift", "2"}));
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
    const KorvenctlRun again = korvenctl(clock(folder, {"--set", "--if-drift", "2"}));
    EXPECT_EQ(again.exitCode, 0) << qPrintable(again.err);
    EXPECT_EQ(again.out.value(3), "clock not set: the drift is within 2 s");
    const int later = driftOf(again, 0);
    EXPECT_LT(std::abs(later), 2);
    std::printf("drift before --set %+d s, read back by --set %+d s, by the next run %+d s\n",
                before, after, later);
    RecordProperty("drift_before_s", before);
    RecordProperty("drift_after_set_s", after);
    RecordProperty("drift_next_run_s", later);
}

TEST(KorvenctlClock, RefusesBadOptionsBeforeTheLine) {
    ProgramFolder folder;
    for (const QStringList& arguments :
         {QStringList{"--if-drift", "5"}, QStringList{"--code", "10"},
          QStringList{"--set", "--if-drift", "-1"}, QStringList{"--set", "--set"}}) {
        const KorvenctlRun run = korvenctl(clock(folder, arguments));
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
} // namespace korven::test::download_e2e
