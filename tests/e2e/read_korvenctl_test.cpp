// korvenctl read against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <QRegularExpression>

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// An endless reading of channel 2, treated, as "A*x+B" in mV.
TEST(KorvenctlRead, CtrlCEndsAnEndlessReadingAndTheLoggerStillGoesBackIntoScanning) {
    ProgramFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    QProcess reading;
    reading.start(QStringLiteral(KORVENCTL_PATH),
                  {"--folder", folder.path(), "--device", folder.link(), "read", "--channel", "2",
                   "--treated"});
    QStringList lines;
    while (lines.size() < 2 && reading.waitForReadyRead(10'000)) {
        while (reading.canReadLine())
            lines.append(QString::fromLocal8Bit(reading.readLine()).trimmed());
    }
    ASSERT_GE(lines.size(), 2);
    static const QRegularExpression line("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(?:Z|[+-]"
                                         "\\d\\d:\\d\\d),2,[+-]\\d{5},-?[0-9.]+,mV$");
    EXPECT_TRUE(line.match(lines[0]).hasMatch()) << qPrintable(lines[0]);
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
