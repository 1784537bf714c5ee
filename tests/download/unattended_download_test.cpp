// The range, automatic and cut-line runs are covered end to end by the
// korvenctl tests; here what stops a run before it fetches anything, how each
// kind of end is told, a stop asked for at a chosen moment, and the CSV beside
// the table.
#include "download/unattended_rig.h"
#include "link/link_texts.h"

#include "support/file_system_limits.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(UnattendedDownload, RefusesUnusableSetUpFilesBeforeTouchingTheLine) {
    for (const char* missing : {"config.dat", "logger.par"}) {
        UnattendedRig rig;
        QFile::remove(rig.folder.path(missing));
        EXPECT_EQ(rig.run({true, 0, 0, {}}), UnattendedEnd::BadSetup) << missing;
        EXPECT_FALSE(rig.folder.exists(missing));
    }
    UnattendedRig rig;
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("missing/out.txt")}), UnattendedEnd::BadSetup);
    ASSERT_EQ(rig.problems.size(), 1);
    EXPECT_TRUE(rig.problems[0].contains("missing"));
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(UnattendedDownload, ALoggerThatDoesNotWakeIsALinkFailureAndWritesNothing) {
    UnattendedRig rig;
    rig.faults().silent = true;
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("none.txt")}), UnattendedEnd::LinkFailed);
    EXPECT_FALSE(rig.folder.exists("none.txt"));
    EXPECT_TRUE(rig.results.isEmpty());
}

TEST(UnattendedDownload, RefusesACsvFileItCouldNotWriteBeforeTouchingTheLine) {
    UnattendedRig rig;
    UnattendedRequest request{false, 0, 3, rig.folder.path("out.txt")};
    request.csvPath = rig.folder.path("missing/out.csv");
    EXPECT_EQ(rig.run(request), UnattendedEnd::BadSetup);
    request.csvPath = request.outPath;
    EXPECT_EQ(rig.run(request), UnattendedEnd::BadSetup);
    EXPECT_EQ(rig.problems.size(), 2);
    EXPECT_TRUE(rig.problems[0].contains("missing"));
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(UnattendedDownload, WritesTheCsvOfTheBlocksSavedBesideTheTable) {
    UnattendedRig rig;
    UnattendedRequest request{false, 590, 599, rig.folder.path("out.txt")};
    request.csvPath = rig.folder.path("out.csv");
    EXPECT_EQ(rig.run(request), UnattendedEnd::Done);
    EXPECT_EQ(rig.results, QStringList({"10 blocks saved to " + rig.folder.path("out.txt"),
                                        "10 blocks exported to " + rig.folder.path("out.csv")}));
    const QList<QByteArray> lines = rig.folder.read("out.csv").split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_TRUE(lines[1].startsWith("590,"));
    EXPECT_TRUE(lines[10].startsWith("599,"));
    EXPECT_TRUE(rig.problems.isEmpty());
}

TEST(UnattendedDownload, EverythingSavedButTheLoggerNotRestartedIsItsOwnEnd) {
    UnattendedRig rig;
    rig.faults().silentAfterCommands = 2 + 4; // "z", "j" and the four blocks
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("out.txt")}), UnattendedEnd::NotRestarted);
    EXPECT_EQ(rig.folder.read("out.txt").size(), 4 * 104);
    EXPECT_EQ(rig.results, QStringList({"4 blocks saved to " + rig.folder.path("out.txt")}));
    ASSERT_FALSE(rig.problems.isEmpty());
    EXPECT_TRUE(rig.problems.last().startsWith("logger not restarted: "))
        << qPrintable(rig.problems.last());
    // The resume's own message came before the last line.
    EXPECT_EQ(rig.prompter.texts().last(), link_texts::resumeFailed);
}

TEST(UnattendedDownload, ALineThatFailsPartWaySaysSoLastAndWhatWasSaved) {
    UnattendedRig rig;
    rig.faults().silentAfterCommands = 2 + 2; // "z", "j" and two blocks
    EXPECT_EQ(rig.run({false, 10, 19, rig.folder.path("out.txt")}), UnattendedEnd::LinkFailed);
    EXPECT_EQ(rig.results, QStringList({"2 blocks saved to " + rig.folder.path("out.txt")}));
    EXPECT_EQ(
        rig.problems,
        QStringList({"link failure: the line failed at block 12; blocks 10 to 11 are saved"}));
}

TEST(UnattendedDownload, AStopEndsAfterTheBlockUnderWaySavesItMovesThePointerAndResumes) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    bool stop = false;
    UnattendedRequest request{true, 0, 0, rig.folder.path("out.txt")};
    // The stop comes once the second block is in, as korvenctl's stop signal
    // brings it: also as a request to stop the conversation, which must not
    // cut the resume short.
    request.progress = [&](const DownloadProgress& done) {
        if (done.done != 2)
            return;
        stop = true;
        rig.clock.requestStop();
    };
    request.stopWanted = [&stop] { return stop; };
    EXPECT_EQ(rig.run(request), UnattendedEnd::LinkFailed);

    EXPECT_EQ(rig.blockRequests().size(), 2);
    EXPECT_EQ(rig.folder.read("out.txt").size(), 2 * 104);
    EXPECT_EQ(rig.storedPointer(), 592);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_EQ(rig.results, QStringList({"2 blocks saved to " + rig.folder.path("out.txt")}));
    EXPECT_EQ(rig.problems, QStringList({"stopped by a signal after block 591; 2 blocks saved "
                                         "(590 to 591)"}));
}

TEST(UnattendedDownload, AStopDuringTheWakeUpEndsTheRunWithNothingToResume) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    rig.clock.requestStop();
    EXPECT_EQ(rig.run({true, 0, 0, rig.folder.path("out.txt")}), UnattendedEnd::LinkFailed);
    // The logger never answered its address, so it was never stopped.
    EXPECT_TRUE(rig.port.logger().commands().isEmpty());
    EXPECT_FALSE(rig.folder.exists("out.txt"));
    EXPECT_EQ(rig.storedPointer(), 590);
    EXPECT_EQ(rig.problems, QStringList({"stopped by a signal before the logger was woken"}));
}

TEST(UnattendedDownload, AStopBeforeTheFirstBlockSavesNothingAndStillResumes) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    UnattendedRequest request{true, 0, 0, rig.folder.path("out.txt")};
    request.stopWanted = [] { return true; };
    EXPECT_EQ(rig.run(request), UnattendedEnd::LinkFailed);

    EXPECT_TRUE(rig.blockRequests().isEmpty());
    EXPECT_FALSE(rig.folder.exists("out.txt"));
    EXPECT_EQ(rig.storedPointer(), 590);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_TRUE(rig.results.isEmpty());
    EXPECT_EQ(rig.problems, QStringList({"stopped by a signal before any block was fetched"}));
}

TEST(UnattendedDownload, AnExistingTableIsRefusedBeforeTheLoggerIsWokenUnlessToldWhatToDo) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    const QByteArray earlier(104, 'e');
    rig.folder.write("out.txt", earlier);
    EXPECT_EQ(rig.runAutomatic("out.txt"), UnattendedEnd::BadSetup);
    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_EQ(rig.folder.read("out.txt"), earlier);
    EXPECT_EQ(rig.storedPointer(), 590);
    ASSERT_EQ(rig.problems.size(), 1);
    EXPECT_TRUE(rig.problems[0].contains("already exists")) << qPrintable(rig.problems[0]);
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("out.txt")}), UnattendedEnd::BadSetup);
    EXPECT_TRUE(rig.port.writes().isEmpty());

    EXPECT_EQ(rig.runAutomatic("out.txt", ExistingTable::Append), UnattendedEnd::Done);
    QList<QByteArray> lines = rig.tableBlocks("out.txt");
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(rig.folder.read("out.txt").left(104), earlier);
    EXPECT_EQ(lines[1], "0590");
    EXPECT_EQ(rig.storedPointer(), 600);

    rig.writeDownloadPointer(595);
    EXPECT_EQ(rig.runAutomatic("out.txt", ExistingTable::Overwrite), UnattendedEnd::Done);
    lines = rig.tableBlocks("out.txt");
    EXPECT_EQ(lines, (QList<QByteArray>{"0595", "0596", "0597", "0598", "0599"}));
}

TEST(UnattendedDownload, SideFilesThatCannotBeWrittenAreFoundBeforeTheLoggerIsWoken) {
    for (const char* side : {"plant.PUN", "plant.DIR"}) {
        UnattendedRig rig;
        QFile::remove(rig.folder.path(side));
        QDir(rig.folder.path()).mkdir(side);
        EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::BadSetup) << side;
        EXPECT_TRUE(rig.port.writes().isEmpty()) << side;
        ASSERT_EQ(rig.problems.size(), 1);
        EXPECT_TRUE(rig.problems[0].contains(rig.folder.path(side))) << qPrintable(rig.problems[0]);
    }
    UnattendedRig rig;
    EXPECT_EQ(rig.runAutomatic("."), UnattendedEnd::BadSetup) << "a folder as the table";
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(UnattendedDownload, ATableThatDoesNotReachTheDiskLeavesThePointerAndTheOldFiles) {
    UnattendedRig rig;
    rig.writeDownloadPointer(100);
    rig.folder.write("out.txt", QByteArray(104, 'e'));
    const QByteArray directoryBefore = rig.folder.read("plant.DIR");
    UnattendedEnd end;
    {
        const test::FileSizeLimit limit(20000);
        end = rig.runAutomatic("out.txt", ExistingTable::Append);
    }
    EXPECT_EQ(end, UnattendedEnd::BadSetup);
    EXPECT_TRUE(rig.results.isEmpty()) << qPrintable(rig.results.join('\n'));
    EXPECT_EQ(rig.folder.read("out.txt"), QByteArray(104, 'e'));
    EXPECT_EQ(rig.storedPointer(), 100);
    EXPECT_EQ(rig.folder.read("plant.DIR"), directoryBefore);
    ASSERT_FALSE(rig.problems.isEmpty());
    EXPECT_TRUE(rig.problems.last().contains(rig.folder.path("out.txt")));
    EXPECT_EQ(QDir(rig.folder.path()).entryList({"*.korven-part"}, QDir::Files), QStringList());
    EXPECT_TRUE(rig.port.writes().contains("Z\r") || rig.port.writes().contains("z\r"))
        << "the logger was put back into scanning";
}

TEST(UnattendedDownload, ALoggerFarAheadGivesItsNewestBlocksOnceAndTellsWhatWasLost) {
    UnattendedRig rig(test::loggerWith(5300));
    rig.writeDownloadPointer(300);
    EXPECT_EQ(rig.runAutomatic("out.txt"), UnattendedEnd::Done);
    const QList<QByteArray> blocks = rig.tableBlocks("out.txt");
    ASSERT_EQ(blocks.size(), 4096);
    EXPECT_EQ(QSet<QByteArray>(blocks.begin(), blocks.end()).size(), 4096);
    EXPECT_EQ(blocks.first(), "1204");
    EXPECT_EQ(blocks.last(), "5299");
    EXPECT_EQ(rig.storedPointer(), 5300);
    ASSERT_EQ(rig.problems.size(), 1);
    EXPECT_TRUE(rig.problems[0].startsWith("904 blocks after the download pointer were written "
                                           "over"))
        << qPrintable(rig.problems[0]);
}

TEST(UnattendedDownload, ThePointerGoesPast32767AsTheLoggersCountDoes) {
    UnattendedRig rig(test::loggerWith(32800));
    rig.writeDownloadPointer(32700);
    EXPECT_EQ(rig.runAutomatic("out.txt"), UnattendedEnd::Done);
    EXPECT_EQ(rig.tableBlocks("out.txt").size(), 100);
    EXPECT_EQ(rig.pointerOnDisk(), 32800);
    EXPECT_EQ(rig.results.last(), "100 blocks saved to " + rig.folder.path("out.txt"));
    // The next run finds nothing new rather than a negative pointer.
    EXPECT_EQ(rig.runAutomatic("again.txt"), UnattendedEnd::Done);
    EXPECT_EQ(rig.results.last(),
              "Nothing new: the last stored block is 32799 and the next download starts at "
              "block 32800");
}

TEST(UnattendedDownload, ALoggerBehindThePointerIsRefusedOrTakenFromItsStart) {
    UnattendedRig rig(test::loggerWith(50));
    rig.writeDownloadPointer(300);
    EXPECT_EQ(rig.runAutomatic("out.txt"), UnattendedEnd::BadSetup);
    EXPECT_FALSE(rig.blockAsked());
    EXPECT_FALSE(rig.folder.exists("out.txt"));
    EXPECT_EQ(rig.storedPointer(), 300);
    ASSERT_FALSE(rig.problems.isEmpty());
    EXPECT_TRUE(rig.problems.last().startsWith("the logger's memory is behind the download "
                                               "pointer: it was reset or replaced"));
    EXPECT_TRUE(rig.problems.last().contains("--from-start"));
    EXPECT_TRUE(rig.port.writes().contains("Z\r") || rig.port.writes().contains("z\r"));

    EXPECT_EQ(rig.runAutomatic("out.txt", ExistingTable::Refuse, true), UnattendedEnd::Done);
    const QList<QByteArray> blocks = rig.tableBlocks("out.txt");
    ASSERT_EQ(blocks.size(), 50);
    EXPECT_EQ(blocks.first(), "0000");
    EXPECT_EQ(rig.storedPointer(), 50);
}

TEST(UnattendedDownload, AnEmptyLoggerSaysItHasNoBlocks) {
    UnattendedRig rig(test::loggerWith(0));
    EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::Done);
    EXPECT_EQ(rig.results, QStringList{"Nothing new: the logger has no blocks stored"});
    EXPECT_FALSE(rig.blockAsked());
}

} // namespace
} // namespace korven
