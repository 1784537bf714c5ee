// korvenctl download against korven-sim on a pseudo-terminal: stopped part-way
// by a signal or a dead line, two at once, and into the archive. What it saves
// and the archive's rules are tested in process.

#include "download_e2e_rig.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// The number of blocks of korvenctl's one line "N blocks saved to TABLE".
int blocksSavedTo(const QString& table, QProcess& korvenctl) {
    const QStringList out =
        QString::fromLocal8Bit(korvenctl.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    static const QRegularExpression savedLine("^(\\d+) blocks saved to (.*)$");
    EXPECT_EQ(out.size(), 1) << qPrintable(out.join(u'\n'));
    const auto match = savedLine.match(out.value(0));
    EXPECT_EQ(match.captured(2), table) << qPrintable(out.value(0));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// SIGTERM and a second signal after it, Ctrl+C, a closed terminal, Ctrl+\\ and
// a reader gone away: by default each would leave the logger stopped.
TEST(KorvenctlDownloadSignals, AStopSignalSavesTheBlocksFetchedMovesThePointerAndResumes) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE}) {
        SCOPED_TRACE(signal);
        ProgramFolder folder;
        folder.writeDownloadPointer(500);
        Simulator simulator(folder.link());

        QProcess stopped;
        stopped.start(QStringLiteral(KORVENCTL_PATH),
                      folder.onLine({"download", "--auto", "--out", folder.path("stopped.txt")}));
        ASSERT_TRUE(simulator.awaitBlockRequests(3));
        ::kill(static_cast<pid_t>(stopped.processId()), signal);
        if (signal == SIGTERM) {
            QThread::msleep(200);
            ::kill(static_cast<pid_t>(stopped.processId()), SIGINT);
        }
        ASSERT_TRUE(stopped.waitForFinished(30'000));
        EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(stopped.exitCode(), 3);

        // The block under way when the signal came is finished and kept.
        const int saved = blocksSavedTo(folder.path("stopped.txt"), stopped);
        ASSERT_GE(saved, 3);
        ASSERT_LT(saved, 100);
        const QString err = QString::fromLocal8Bit(stopped.readAllStandardError());
        EXPECT_TRUE(err.trimmed().endsWith(QStringLiteral("korvenctl: stopped by a signal after "
                                                          "block %1; %2 blocks saved (500 to %1)")
                                               .arg(500 + saved - 1)
                                               .arg(saved)))
            << qPrintable(err);
        EXPECT_EQ(folder.tableBlocks("stopped.txt"), blocksFrom(500, 500 + saved - 1));
        EXPECT_EQ(folder.downloadPointer(), 500 + saved);
        // Every block asked for was saved; the set-up resumes without acquisition.
        const QStringList commands = simulator.commands();
        EXPECT_EQ(commands.filter(QRegularExpression("^S")).size(), saved);
        EXPECT_EQ(commands.value(commands.size() - 1), "z");
    }
}

// The link going dead part-way ends the run with 3, the blocks fetched saved.
TEST(KorvenctlDownload, ALineCutPartWayKeepsTheBlocksFetched) {
    ProgramFolder folder;
    folder.writeDownloadPointer(560);
    Simulator simulator(folder.link());
    QProcess cut;
    cut.start(QStringLiteral(KORVENCTL_PATH),
              folder.onLine({"download", "--auto", "--out", folder.path("cut.txt")}));
    ASSERT_TRUE(simulator.awaitBlockRequests(5));
    simulator.kill();
    ASSERT_TRUE(cut.waitForFinished(30'000));
    EXPECT_EQ(cut.exitCode(), 3);
    const int saved = blocksSavedTo(folder.path("cut.txt"), cut);
    ASSERT_GE(saved, 4);
    ASSERT_LT(saved, 40);
    EXPECT_EQ(folder.tableBlocks("cut.txt"), blocksFrom(560, 560 + saved - 1));
    EXPECT_EQ(folder.downloadPointer(), 560 + saved);
}

// Two downloads on one installation at once, each on a logger of its own.
TEST(KorvenctlRace, ASecondDownloadOnTheInstallationIsRefusedAtOnceNamingTheFirst) {
    ProgramFolder folder;
    folder.writeDownloadPointer(570);
    Simulator first(folder.link());
    const QString secondLink = folder.path("com2");
    Simulator second(secondLink);

    QProcess running;
    running.start(QStringLiteral(KORVENCTL_PATH),
                  folder.onLine({"download", "--auto", "--out", folder.path("first.txt")}));
    ASSERT_TRUE(running.waitForStarted());
    ASSERT_TRUE(first.awaitBlockRequests(1)) << running.readAllStandardError().constData();

    QElapsedTimer refusal;
    refusal.start();
    const ToolRun refused = korvenctl({"--folder", folder.path(), "--device", secondLink,
                                       "download", "--auto", "--out", folder.path("second.txt")});
    EXPECT_LT(refusal.elapsed(), 5'000);
    ASSERT_EQ(running.state(), QProcess::Running) << "the first download is still under way";
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("the installation is in use")) << qPrintable(refused.err);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("held by korvenctl (process %1 ").arg(running.processId())))
        << qPrintable(refused.err);
    EXPECT_TRUE(second.commands().isEmpty()) << "the second logger was never woken";

    ASSERT_TRUE(running.waitForFinished(30'000));
    EXPECT_EQ(running.exitCode(), 0) << running.readAllStandardError().constData();
    EXPECT_EQ(folder.tableBlocks("first.txt"), blocksFrom(570, 599));
    EXPECT_FALSE(folder.exists("second.txt"));
    EXPECT_EQ(folder.downloadPointer(), 600);
}

TEST(KorvenctlArchive, DownloadsIntoTheArchiveOnceAndTellsItsStationsAndGaps) {
    ProgramFolder folder;
    Simulator simulator(folder.link());
    const QString archiveFile = folder.path("korven-archive.sqlite");
    // The output of a run that ends with `status`.
    const auto run = [](const QStringList& arguments, int status = 0) {
        const ToolRun done = korvenctl(arguments);
        EXPECT_EQ(done.exitCode, status) << qPrintable(arguments.join(u' ') + '\n' + done.err);
        return done.out;
    };
    const auto archive = [&](const QStringList& arguments, int status = 0) {
        return run(QStringList{"--folder", folder.path(), "archive"} + arguments, status);
    };

    folder.writeDownloadPointer(585);
    EXPECT_TRUE(
        run(folder.onLine({"download", "--auto", "--out", folder.path("first.txt"), "--archive"}))
            .contains("15 blocks archived in " + archiveFile + " (0 were there already)"));
    folder.writeDownloadPointer(595);
    EXPECT_TRUE(run(folder.onLine({"download", "--auto", "--out", folder.path("second.txt"),
                                   "--archive", archiveFile}))
                    .contains("0 blocks archived in " + archiveFile + " (5 were there already)"));
    EXPECT_EQ(archive({"import", folder.path("first.txt"), folder.path("second.txt")}).size(), 2);
    const QStringList stations = archive({"stations"});
    ASSERT_EQ(stations.size(), 1);
    EXPECT_TRUE(stations[0].startsWith("plant/logger: blocks 585 (")) << qPrintable(stations[0]);
    EXPECT_TRUE(stations[0].endsWith(", 15 blocks")) << qPrintable(stations[0]);
    EXPECT_TRUE(archive({"gaps"}).isEmpty());
    EXPECT_EQ(archive({"export"}).size(), 16);

    // Blocks 575 to 579 with nothing between them and 585: a gap, status 1.
    run(folder.onLine({"download", "--from", "575", "--to", "579", "--out",
                       folder.path("older.txt"), "--archive"}));
    const QStringList gaps = archive({"gaps"}, 1);
    ASSERT_EQ(gaps.size(), 1);
    EXPECT_TRUE(gaps[0].startsWith("plant/logger: 5 blocks missing between block 579"));
}

} // namespace
} // namespace korven::test::download_e2e
