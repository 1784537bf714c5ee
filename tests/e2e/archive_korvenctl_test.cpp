// korvenctl download --archive and korvenctl archive, against korven-sim on a
// pseudo-terminal: the commands and their exit statuses as a scheduled job
// sees them. What the archive holds is checked by the archive's own tests.

#include "download_e2e_rig.h"

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

QStringList archive(const ProgramFolder& folder, const QStringList& arguments) {
    return QStringList{"--folder", folder.path(), "archive"} + arguments;
}

TEST(KorvenctlArchive, DownloadsIntoTheArchiveOnceAndTellsItsStationsAndGaps) {
    ProgramFolder folder;
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());
    const QString archiveFile = folder.path("korven-archive.sqlite");

    folder.writeDownloadPointer(585);
    KorvenctlRun run =
        korvenctl(download(folder, {"--auto", "--out", folder.path("first.txt"), "--archive"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(
        run.out.contains("15 blocks archived in " + archiveFile + " (0 were there already)"))
        << qPrintable(run.out.join(u'\n'));

    folder.writeDownloadPointer(595);
    run = korvenctl(
        download(folder, {"--auto", "--out", folder.path("second.txt"), "--archive", archiveFile}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(
        run.out.contains("0 blocks archived in " + archiveFile + " (5 were there already)"));

    run =
        korvenctl(archive(folder, {"import", folder.path("first.txt"), folder.path("second.txt")}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.size(), 2);

    run = korvenctl(archive(folder, {"stations"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    ASSERT_EQ(run.out.size(), 1);
    EXPECT_TRUE(run.out[0].startsWith("plant/logger: blocks 585 (")) << qPrintable(run.out[0]);
    EXPECT_TRUE(run.out[0].endsWith(", 15 blocks")) << qPrintable(run.out[0]);

    run = korvenctl(archive(folder, {"gaps"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.isEmpty());

    run = korvenctl(archive(folder, {"export"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.size(), 16);

    // Blocks 575 to 579 with nothing between them and 585: a gap, status 1.
    run = korvenctl(download(
        folder, {"--from", "575", "--to", "579", "--out", folder.path("older.txt"), "--archive"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    run = korvenctl(archive(folder, {"gaps"}));
    EXPECT_EQ(run.exitCode, 1) << qPrintable(run.err);
    ASSERT_EQ(run.out.size(), 1);
    EXPECT_TRUE(run.out[0].startsWith("plant/logger: 5 blocks missing between block 579"));
}

TEST(KorvenctlArchive, RefusesBadUsageAndAnArchiveItCannotOpenBeforeWakingTheLogger) {
    ProgramFolder folder;
    for (const QStringList& arguments :
         {archive(folder, {}), archive(folder, {"import"}), archive(folder, {"gaps", "extra"}),
          archive(folder, {"export", "--from", "yesterday"}),
          archive(folder, {"stations", "--archive", folder.path("missing/a.sqlite")}),
          download(folder, {"--auto", "--archive", "postgresql://"}),
          download(folder, {"--auto", "--station", "x"})}) {
        const KorvenctlRun run = korvenctl(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(folder.exists("plant.PUN"));
}

} // namespace
} // namespace korven::test::download_e2e
