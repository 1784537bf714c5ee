// korvenctl --modem against korven-sim --modem on a pseudo-terminal, in real
// time: the call, the command through it, and the hang-up whatever happens.

#include "download_e2e_rig.h"
#include "support/modem_identity.h"

#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// A quick call, so each run takes about half a minute.
const QStringList kModem{"--modem", "--modem-call-time", "500"};

struct ModemRun {
    ModemRun() {
        folder.writeDownloadPointer(595);
        QFile pas(folder.path("plant.pas"));
        EXPECT_TRUE(pas.open(QIODevice::WriteOnly));
        pas.write(ModemIdentity{}.bytes());
    }
    QStringList arguments() const {
        return {"--folder", folder.path(), "--device", folder.link(),          "--modem",
                "download", "--auto",      "--out",    folder.path("auto.txt")};
    }

    ProgramFolder folder;
};

TEST(KorvenctlModem, DownloadsTheNewBlocksThroughTheCallAndHangsUp) {
    ModemRun run;
    Simulator simulator(run.folder.link(), kModem);
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun done = korvenctl(run.arguments());
    EXPECT_EQ(done.exitCode, 0) << qPrintable(done.err);
    EXPECT_EQ(done.out, QStringList{"5 blocks saved to " + run.folder.path("auto.txt")});
    EXPECT_EQ(run.folder.tableBlocks("auto.txt"), blocksFrom(595, 599));
    EXPECT_EQ(run.folder.downloadPointer(), 600);
    EXPECT_TRUE(done.err.contains("korvenctl: connected through the modem"));
    EXPECT_TRUE(done.err.contains("korvenctl: modem hung up"));

    const QByteArray log = simulator.log();
    EXPECT_TRUE(log.contains("modem command atdt0123456: dialling T0123456"));
    EXPECT_TRUE(log.contains("modem CONNECT 9600"));
    // The set-up leaves acquisition off, so scanning resumes with "z".
    const qsizetype resumed = log.lastIndexOf("korven-sim: command z");
    EXPECT_GT(resumed, log.lastIndexOf("korven-sim: command S"));
    const qsizetype escaped = log.indexOf("modem escape: command mode, call held, OK");
    EXPECT_GT(escaped, resumed);
    EXPECT_GT(log.indexOf("modem hung up"), escaped) << log.constData();
}

TEST(KorvenctlModem, ARemoteLoggerThatDoesNotWakeExitsWithThreeAndStillHangsUp) {
    ModemRun run;
    Simulator simulator(run.folder.link(), kModem + QStringList{"--never-wakes"});
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun failed = korvenctl(run.arguments());
    EXPECT_EQ(failed.exitCode, 3) << qPrintable(failed.err);
    EXPECT_TRUE(failed.out.isEmpty());
    EXPECT_TRUE(failed.err.contains("KORVEN non collegata"));
    EXPECT_FALSE(run.folder.exists("auto.txt"));
    EXPECT_TRUE(simulator.log().contains("modem hung up"));
}

TEST(KorvenctlModem, SigtermDuringTheDownloadStopsItAndHangsUp) {
    ModemRun run;
    run.folder.writeDownloadPointer(0);
    Simulator simulator(run.folder.link(), kModem);
    ASSERT_TRUE(simulator.ready());

    QProcess stopped;
    stopped.start(QStringLiteral(KORVENCTL_PATH), run.arguments());
    ASSERT_TRUE(simulator.awaitBlockRequests(3));
    stopped.terminate();
    ASSERT_TRUE(stopped.waitForFinished(30'000));
    EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(stopped.exitCode(), 3);
    const QString err = QString::fromLocal8Bit(stopped.readAllStandardError());
    EXPECT_TRUE(err.contains("korvenctl: stopped by a signal")) << qPrintable(err);
    EXPECT_TRUE(err.contains("korvenctl: modem hung up"));
    EXPECT_LT(run.folder.downloadPointer(), 600);
    EXPECT_TRUE(simulator.log().contains("modem hung up"));
}

// Ctrl+C while the call is still coming up: the call is given up at once and
// the modem hung up; the logger was never woken, so nothing was read.
TEST(KorvenctlModem, CtrlCDuringASlowCallEndsItAtOnceWithThree) {
    ModemRun run;
    prepareReading(run.folder);
    Simulator simulator(run.folder.link(), {"--modem", "--modem-call-time", "30000"});
    ASSERT_TRUE(simulator.ready());

    QProcess reading;
    reading.start(QStringLiteral(KORVENCTL_PATH),
                  {"--folder", run.folder.path(), "--device", run.folder.link(), "--modem", "read",
                   "--channel", "0", "--count", "1"});
    ASSERT_TRUE(simulator.awaitLines("korven-sim: modem command atdt"))
        << reading.readAllStandardError().constData();
    QElapsedTimer sinceStop;
    sinceStop.start();
    ::kill(static_cast<pid_t>(reading.processId()), SIGINT);
    ASSERT_TRUE(reading.waitForFinished(20'000));
    EXPECT_LT(sinceStop.elapsed(), 12'000) << "the 30-second call was not waited for";
    EXPECT_EQ(reading.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(reading.exitCode(), 3) << reading.readAllStandardError().constData();
    EXPECT_TRUE(reading.readAllStandardOutput().isEmpty());
    const QByteArray log = simulator.log();
    EXPECT_FALSE(log.contains("modem CONNECT")) << log.constData();
    EXPECT_FALSE(log.contains("korven-sim: command")) << "the logger was never woken";
    EXPECT_TRUE(log.contains("modem call given up")) << log.constData();
    EXPECT_TRUE(log.contains("modem command ATH0")) << log.constData();
}

} // namespace
} // namespace korven::test::download_e2e
