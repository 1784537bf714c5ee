// Two korvenctl downloads on one installation at once, each on a logger of
// its own behind a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(KorvenctlRace, ASecondDownloadOnTheInstallationIsRefusedAtOnceNamingTheFirst) {
    ProgramFolder folder;
    folder.writeDownloadPointer(570);
    Simulator first(folder.link());
    const QString secondLink = folder.path("com2");
    Simulator second(secondLink);
    ASSERT_TRUE(first.ready() && second.ready());

    QProcess running;
    running.start(QStringLiteral(KORVENCTL_PATH),
                  download(folder, {"--auto", "--out", folder.path("first.txt")}));
    ASSERT_TRUE(running.waitForStarted());
    ASSERT_TRUE(first.awaitBlockRequests(1)) << running.readAllStandardError().constData();

    QElapsedTimer refusal;
    refusal.start();
    const KorvenctlRun refused =
        korvenctl({"--folder", folder.path(), "--device", secondLink, "download", "--auto", "--out",
                   folder.path("second.txt")});
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

} // namespace
} // namespace korven::test::download_e2e
