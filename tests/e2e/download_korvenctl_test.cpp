// korvenctl download against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <QDate>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(KorvenctlDownload, SavesARangeOfBlocksAsABlockTable) {
    ProgramFolder folder;
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun run = korvenctl(
        download(folder, {"--from", "590", "--to", "599", "--out", folder.path("range.txt")}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_FALSE(run.out.isEmpty());
    EXPECT_EQ(run.out.last(), "10 blocks saved to " + folder.path("range.txt"));
    EXPECT_EQ(folder.tableBlocks("range.txt"), blocksFrom(590, 599));
    // Blocks were stored ten minutes apart; the newest at a whole ten minutes.
    const QByteArray table = folder.read("range.txt");
    EXPECT_EQ(table.mid(9 * 104 + 18, 4), "0:00");
    EXPECT_FALSE(folder.exists("plant.PUN"));
}

TEST(KorvenctlDownload, AutomaticTwiceInARowFetchesTheNewBlocksThenFindsNothingNew) {
    ProgramFolder folder;
    folder.writeDownloadPointer(595);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun first = korvenctl(download(folder, {"--auto"}));
    EXPECT_EQ(first.exitCode, 0) << qPrintable(first.err);
    ASSERT_FALSE(first.out.isEmpty());
    static const QRegularExpression saved("^5 blocks saved to (.*KORVEN_\\d{8}_\\d{6}\\.txt)$");
    const auto match = saved.match(first.out.last());
    ASSERT_TRUE(match.hasMatch()) << qPrintable(first.out.last());
    const QString table = match.captured(1);
    EXPECT_EQ(QFileInfo(table).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(folder.tableBlocks(QFileInfo(table).fileName()), blocksFrom(595, 599));

    const QByteArray pointer = folder.read("plant.PUN");
    ASSERT_EQ(pointer.size(), 38);
    EXPECT_EQ(folder.downloadPointer(), 600);
    EXPECT_EQ(pointer.mid(22, 10), QDate::currentDate().toString("dd/MM/yyyy").toLatin1());
    EXPECT_EQ(pointer.left(12), QByteArray(12, '\0'));
    const QByteArray directory = folder.read("plant.DIR");
    ASSERT_EQ(directory.size(), 200);
    EXPECT_EQ(directory.left(100), table.toLatin1().leftJustified(100, ' '));

    const KorvenctlRun second = korvenctl(download(folder, {"--auto"}));
    EXPECT_EQ(second.exitCode, 0) << qPrintable(second.err);
    EXPECT_EQ(second.out, QStringList({"Nothing new: the last stored block is 599 and the next "
                                       "download starts at block 600"}));
    EXPECT_EQ(folder.read("plant.PUN"), pointer);
    EXPECT_EQ(folder.read("plant.DIR"), directory);
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
        const QStringList out =
            QString::fromLocal8Bit(cut.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        static const QRegularExpression line("^(\\d+) blocks saved to (.*)$");
        ASSERT_FALSE(out.isEmpty());
        const auto match = line.match(out.last());
        ASSERT_TRUE(match.hasMatch()) << qPrintable(out.last());
        saved = match.captured(1).toInt();
        EXPECT_EQ(match.captured(2), folder.path("cut.txt"));
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

TEST(KorvenctlDownload, PutsTheLoggerBackToAcquisitionAndSleepAsItsSetUpAsks) {
    ProgramFolder folder;
    folder.writeDownloadPointer(597);
    folder.setScanFlags('1', '1');
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun run = korvenctl(download(folder, {"--auto"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(folder.downloadPointer(), 600);
    const QStringList log = simulator.conversation();
    ASSERT_GE(log.size(), 5);
    EXPECT_EQ(log.mid(log.size() - 5),
              QStringList({"korven-sim: address 80 answered !", "korven-sim: command Z",
                           "korven-sim: address 80 answered !", "korven-sim: command Y",
                           "korven-sim: asleep"}));
}

} // namespace
} // namespace korven::test::download_e2e
