// korvenctl --modem against korven-sim --modem: the real call and guard times.

#include "download_e2e_rig.h"
#include "support/modem_identity.h"

#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// An installation that calls its logger through the modem, at block 595.
struct ModemFolder : ProgramFolder {
    ModemFolder() {
        writeDownloadPointer(595);
        write("plant.pas", ModemIdentity{}.bytes());
    }
};

TEST(KorvenctlModem, DownloadsTheNewBlocksThroughTheCallAndHangsUp) {
    ModemFolder folder;
    Simulator simulator(folder.link(), {"--modem", "--modem-call-time", "500"});

    const ToolRun done =
        korvenctl(folder.onLine({"--modem", "download", "--auto", "--out", folder.path("a.txt")}));
    EXPECT_EQ(done.exitCode, 0) << qPrintable(done.err);
    EXPECT_EQ(done.out, QStringList{"5 blocks saved to " + folder.path("a.txt")});
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

// Ctrl+C while the call is still coming up: the call is given up, the modem hung up.
TEST(KorvenctlModem, CtrlCDuringASlowCallEndsItAtOnceWithThree) {
    ModemFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link(), {"--modem", "--modem-call-time", "30000"});

    QProcess reading;
    reading.start(QStringLiteral(KORVENCTL_PATH),
                  folder.onLine({"--modem", "read", "--channel", "0", "--count", "1"}));
    ASSERT_TRUE(simulator.awaitLines("korven-sim: modem command atdt"))
        << reading.readAllStandardError().constData();
    QElapsedTimer sinceStop;
    sinceStop.start();
    ::kill(static_cast<pid_t>(reading.processId()), SIGINT);
    ASSERT_TRUE(reading.waitForFinished(20'000));
    EXPECT_LT(sinceStop.elapsed(), 12'000) << "the 30-second call was not waited for";
    EXPECT_EQ(reading.exitStatus(), QProcess::NormalExit);
    const QByteArray errors = reading.readAllStandardError();
    EXPECT_EQ(reading.exitCode(), 3) << errors.constData();
    EXPECT_TRUE(errors.endsWith("korvenctl: stopped by a signal; the modem hung up\n"))
        << errors.constData();
    EXPECT_TRUE(reading.readAllStandardOutput().isEmpty());
    const QByteArray log = simulator.log();
    EXPECT_FALSE(log.contains("modem CONNECT")) << log.constData();
    EXPECT_FALSE(log.contains("korven-sim: command")) << "the logger was never woken";
    EXPECT_TRUE(log.contains("modem call given up")) << log.constData();
    EXPECT_TRUE(log.contains("modem command ATH0")) << log.constData();
}

} // namespace
} // namespace korven::test::download_e2e
