// korvenctl read against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(KorvenctlRead, ReadsOneChannelTreatedThreeTimesAndPutsTheLoggerBackIntoScanning) {
    ProgramFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun run = korvenctl({"--folder", folder.path(), "--device", folder.link(),
                                        "read", "--channel", "2", "--count", "3", "--treated"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.out.size(), 3) << qPrintable(run.out.join(u'\n'));
    static const QRegularExpression line("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(?:Z|[+-]"
                                         "\\d\\d:\\d\\d),2,([+-]\\d{5}),(-?[0-9.]+),mV$");
    for (const QString& text : run.out) {
        const auto match = line.match(text);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(text);
        const int x = match.captured(1).toInt();
        EXPECT_DOUBLE_EQ(match.captured(2).toDouble(), (2 * x + 10) / 100.0) << qPrintable(text);
    }
    EXPECT_TRUE(run.err.contains("KORVEN nr. 0 in scansione")) << qPrintable(run.err);

    // korvenctl may end a moment after its "Z" left, before a busy simulator
    // has logged it: the log is read once it has.
    EXPECT_TRUE(simulator.awaitLines("korven-sim: command Z"));
    const QStringList commands = simulator.commands();
    EXPECT_EQ(commands.count("F02"), 3);
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.last(), "Z");
    EXPECT_LT(commands.lastIndexOf("F02"), commands.lastIndexOf("Z"));
}

TEST(KorvenctlRead, CtrlCEndsAnEndlessReadingAndTheLoggerStillGoesBackIntoScanning) {
    ProgramFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    QProcess reading;
    reading.start(QStringLiteral(KORVENCTL_PATH),
                  {"--folder", folder.path(), "--device", folder.link(), "read"});
    QStringList lines;
    while (lines.size() < 2 && reading.waitForReadyRead(10'000)) {
        while (reading.canReadLine())
            lines.append(QString::fromLocal8Bit(reading.readLine()));
    }
    ASSERT_GE(lines.size(), 2);
    ::kill(static_cast<pid_t>(reading.processId()), SIGINT);
    ASSERT_TRUE(reading.waitForFinished(20'000));
    EXPECT_EQ(reading.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(reading.exitCode(), 0) << reading.readAllStandardError().constData();
    EXPECT_TRUE(simulator.awaitLines("korven-sim: command Z"));
    EXPECT_EQ(simulator.commands().last(), "Z");
}

TEST(KorvenctlRead, RefusesAChannelOutOfRangeBeforeTouchingTheLine) {
    ProgramFolder folder;
    const KorvenctlRun run =
        korvenctl({"--folder", folder.path(), "--device", folder.link(), "read", "--channel", "8"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("Channels go from 0 to 7.")) << qPrintable(run.err);
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
} // namespace korven::test::download_e2e
