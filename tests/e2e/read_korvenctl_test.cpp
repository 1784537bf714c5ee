// korvenctl read against korven-sim in real time, ended by Ctrl+C or by "| head -n 3".

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

    QProcess reading;
    reading.start(QStringLiteral(KORVENCTL_PATH),
                  folder.onLine({"read", "--channel", "2", "--treated"}));
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

// The output's end stops the reading as SIGTERM does, the logger resumed.
TEST(KorvenctlRead, AReaderThatGoesAwayEndsTheReadingAndTheLoggerScansAgain) {
    ProgramFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link());

    QProcess pipeline;
    pipeline.start(
        QStringLiteral("bash"),
        QStringList{"-c", "\"$0\" \"$@\" | head -n 3; exit ${PIPESTATUS[0]}", KORVENCTL_PATH} +
            folder.onLine({"read"}));
    ASSERT_TRUE(pipeline.waitForFinished(30'000));
    const QByteArray errors = pipeline.readAllStandardError();
    EXPECT_EQ(pipeline.exitCode(), 0) << errors.constData();
    EXPECT_EQ(pipeline.readAllStandardOutput().count('\n'), 3);
    EXPECT_TRUE(errors.contains("KORVEN nr. 0 in scansione")) << errors.constData();
    EXPECT_TRUE(simulator.awaitLines("korven-sim: command Z"));
    EXPECT_EQ(simulator.commands().last(), "Z");
}

} // namespace
} // namespace korven::test::download_e2e
