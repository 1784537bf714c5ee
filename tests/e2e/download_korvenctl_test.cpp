// korvenctl download against korven-sim on a pseudo-terminal, in real time:
// stopped by SIGTERM, Ctrl+C and the other stop signals part-way, and a line
// that goes dead part-way. What a download saves is tested in process.

#include "download_e2e_rig.h"

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

// SIGTERM, and a second signal after it as an impatient user or a service
// manager sends; Ctrl+C, a closed terminal, Ctrl+\\ and a reader of the output
// that went away, which by default would kill korvenctl with the logger
// stopped.
TEST(KorvenctlDownloadSignals, AStopSignalSavesTheBlocksFetchedMovesThePointerAndResumes) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE}) {
        SCOPED_TRACE(signal);
        ProgramFolder folder;
        folder.writeDownloadPointer(500);
        Simulator simulator(folder.link());
        ASSERT_TRUE(simulator.ready());

        QProcess stopped;
        stopped.start(QStringLiteral(KORVENCTL_PATH),
                      download(folder, {"--auto", "--out", folder.path("stopped.txt")}));
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
        // Every block asked for was saved, and the set-up asks for scanning
        // without acquisition.
        const QStringList commands = simulator.commands();
        EXPECT_EQ(commands.filter(QRegularExpression("^S")).size(), saved);
        EXPECT_EQ(commands.value(commands.size() - 1), "z");
    }
}

TEST(KorvenctlDownload, ALineCutPartWayIsCompletedByTheNextRunWithNoGapAndNoRepeat) {
    ProgramFolder folder;
    folder.writeDownloadPointer(560);
    int saved = 0;
    {
        Simulator simulator(folder.link());
        ASSERT_TRUE(simulator.ready());
        QProcess cut;
        cut.start(QStringLiteral(KORVENCTL_PATH),
                  download(folder, {"--auto", "--out", folder.path("cut.txt")}));
        ASSERT_TRUE(simulator.awaitBlockRequests(5));
        simulator.kill();
        ASSERT_TRUE(cut.waitForFinished(30'000));
        EXPECT_EQ(cut.exitCode(), 3);
        saved = blocksSavedTo(folder.path("cut.txt"), cut);
    }
    ASSERT_GE(saved, 4);
    ASSERT_LT(saved, 40);
    EXPECT_EQ(folder.tableBlocks("cut.txt"), blocksFrom(560, 560 + saved - 1));
    EXPECT_EQ(folder.downloadPointer(), 560 + saved);

    Simulator again(folder.link());
    ASSERT_TRUE(again.ready());
    const KorvenctlRun rest =
        korvenctl(download(folder, {"--auto", "--out", folder.path("rest.txt")}));
    EXPECT_EQ(rest.exitCode, 0) << qPrintable(rest.err);
    EXPECT_EQ(folder.tableBlocks("rest.txt"), blocksFrom(560 + saved, 599));
    EXPECT_EQ(folder.downloadPointer(), 600);
}

} // namespace
} // namespace korven::test::download_e2e
