// The range, automatic and cut-line runs are covered end to end by the
// korvenctl tests; here what stops a run before it fetches anything, how each
// kind of end is told, a stop asked for at a chosen moment, and the CSV beside
// the table.
#include "download/unattended_download.h"

#include "download/download_rig.h"
#include "link/link_texts.h"
#include "system_setup/settings_file.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// A program folder whose "config.dat" names the rig's set-up files.
struct UnattendedRig : test::DownloadRig {
    UnattendedRig() {
        Settings settings(folder.path());
        EXPECT_TRUE(settings.saveSystemFilePath(session.installation.systemFilePath));
        EXPECT_TRUE(settings.saveLoggerSetupPath(session.installation.loggerSetupPath));
    }

    UnattendedEnd run(const UnattendedRequest& request) {
        UnattendedOutput output;
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { results.append(text); };
        return runUnattendedDownload(folder.path(), request, port, clock, session.linkReporter,
                                     output, QDateTime(QDate(2024, 3, 6), QTime(7, 30, 5)));
    }

    QStringList problems;
    QStringList results;
};

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
    rig.faults().silentAfterCommands = 1 + 4; // "z" and the four blocks
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
    rig.faults().silentAfterCommands = 1 + 2;
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

} // namespace
} // namespace korven
