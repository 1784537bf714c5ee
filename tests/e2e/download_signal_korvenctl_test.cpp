// korvenctl download stopped by SIGTERM, Ctrl+C and the other stop signals part-way, against
// korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <QThread>

#include <csignal>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(KorvenctlDownloadSignals, SigtermSavesTheBlocksFetchedMovesThePointerAndResumes) {
    ProgramFolder folder;
    folder.writeDownloadPointer(500);
    folder.setScanFlags('1', '0');
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    QProcess stopped;
    stopped.start(QStringLiteral(KORVENCTL_PATH),
                  download(folder, {"--auto", "--out", folder.path("stopped.txt")}));
    ASSERT_TRUE(simulator.awaitBlockRequests(5));
    stopped.terminate();
    // A second signal, as an impatient user or a service manager sends,
    // changes nothing: the logger still goes back to scanning.
    QThread::msleep(200);
    ::kill(static_cast<pid_t>(stopped.processId()), SIGINT);
    ASSERT_TRUE(stopped.waitForFinished(30'000));
    EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(stopped.exitCode(), 3);

    const QStringList out =
        QString::fromLocal8Bit(stopped.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    static const QRegularExpression savedLine("^(\\d+) blocks saved to (.*)$");
    ASSERT_EQ(out.size(), 1);
    const auto match = savedLine.match(out.first());
    ASSERT_TRUE(match.hasMatch()) << qPrintable(out.first());
    EXPECT_EQ(match.captured(2), folder.path("stopped.txt"));
    const int saved = match.captured(1).toInt();
    // The block under way when the signal came is finished and kept.
    ASSERT_GE(saved, 5);
    ASSERT_LT(saved, 100);
    const QString err = QString::fromLocal8Bit(stopped.readAllStandardError());
    EXPECT_TRUE(err.trimmed().endsWith(QStringLiteral("korvenctl: stopped by a signal after block "
                                                      "%1; %2 blocks saved (500 to %1)")
                                           .arg(500 + saved - 1)
                                           .arg(saved)))
        << qPrintable(err);

    EXPECT_EQ(folder.tableBlocks("stopped.txt"), blocksFrom(500, 500 + saved - 1));
    EXPECT_EQ(folder.downloadPointer(), 500 + saved);
    const QStringList commands = simulator.commands();
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.last(), "Z");
    // Every block asked for was saved: none was fetched and dropped.
    EXPECT_EQ(commands.filter(QRegularExpression("^S")).size(), saved);
}

// Ctrl+C, and a closed terminal, Ctrl+\\ or a reader of the output that went
// away, which by default would kill korvenctl with the logger stopped.
TEST(KorvenctlDownloadSignals, AStopSignalOnARangeDownloadKeepsWhatCameAndResumes) {
    for (const int signal : {SIGINT, SIGHUP, SIGQUIT, SIGPIPE}) {
        ProgramFolder folder;
        Simulator simulator(folder.link());
        ASSERT_TRUE(simulator.ready());

        QProcess stopped;
        stopped.start(
            QStringLiteral(KORVENCTL_PATH),
            download(folder, {"--from", "100", "--to", "199", "--out", folder.path("range.txt")}));
        ASSERT_TRUE(simulator.awaitBlockRequests(3)) << signal;
        ::kill(static_cast<pid_t>(stopped.processId()), signal);
        ASSERT_TRUE(stopped.waitForFinished(30'000)) << signal;
        EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(stopped.exitCode(), 3) << signal;
        const QList<int> blocks = folder.tableBlocks("range.txt");
        ASSERT_GE(blocks.size(), 3) << signal;
        EXPECT_EQ(blocks, blocksFrom(100, 100 + int(blocks.size()) - 1)) << signal;
        EXPECT_FALSE(folder.exists("plant.PUN")) << signal;
        const QStringList commands = simulator.commands();
        ASSERT_FALSE(commands.isEmpty()) << signal;
        EXPECT_EQ(commands.filter(QRegularExpression("^S")).size(), blocks.size()) << signal;
        // The set-up asks for scanning without acquisition.
        EXPECT_EQ(commands.last(), "z") << signal;
    }
}

} // namespace
} // namespace korven::test::download_e2e
