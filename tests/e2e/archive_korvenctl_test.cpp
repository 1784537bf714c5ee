// korvenctl download --archive and korvenctl archive against korven-sim: the
// commands, outputs and exit statuses; the archive's rules are tested in process.

#include "download_e2e_rig.h"

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

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
