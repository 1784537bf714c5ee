#include "download/unattended_download.h"

#include "download_rig.h"
#include "link/link_texts.h"
#include "qt_printers.h"
#include "shell/settings_file.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::DownloadRig;

const QDateTime kStartedAt(QDate(2024, 3, 6), QTime(7, 30, 5));

// A program folder whose "config.dat" names the rig's set-up files.
struct UnattendedRig : DownloadRig {
    UnattendedRig() {
        Settings settings(folder.path());
        EXPECT_TRUE(settings.saveSystemFilePath(session.systemFilePath));
        EXPECT_TRUE(settings.saveLoggerSetupPath(session.loggerSetupPath));
    }

    UnattendedEnd run(const UnattendedRequest& request) {
        results.clear();
        UnattendedOutput output;
        output.progress = [this](const DownloadProgress& progress) { last = progress; };
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { results.append(text); };
        return runUnattendedDownload(folder.path(), request, port, clock, prompter, output,
                                     kStartedAt);
    }
    UnattendedEnd runAutomatic() { return run({true, 0, 0, {}}); }

    // The block numbers of a table, line by line.
    QList<int> tableBlocks(const QString& name) {
        const QByteArray table = folder.read(name);
        EXPECT_EQ(table.size() % 104, 0);
        QList<int> blocks;
        for (qsizetype line = 0; line < table.size(); line += 104)
            blocks.append(table.mid(line, 4).toInt());
        return blocks;
    }
    static QList<int> blocksFrom(int first, int last) {
        QList<int> blocks;
        for (int block = first; block <= last; ++block)
            blocks.append(block);
        return blocks;
    }

    DownloadProgress last;
    QStringList problems;
    QStringList results;
};

TEST(UnattendedDownload, SavesARangeAndPutsTheLoggerBackIntoScanning) {
    UnattendedRig rig;
    const QString out = rig.folder.path("range.txt");
    EXPECT_EQ(rig.run({false, 100, 104, out}), UnattendedEnd::Done);
    EXPECT_EQ(rig.tableBlocks("range.txt"), UnattendedRig::blocksFrom(100, 104));
    EXPECT_EQ(rig.results, QStringList({"5 blocks saved to " + out}));
    EXPECT_EQ(rig.last.done, 5);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    EXPECT_FALSE(rig.folder.exists("plant.PUN"));
}

TEST(UnattendedDownload, AutomaticTwiceInARowFindsNothingNewTheSecondTime) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::Done);
    const QString table = rig.folder.path("KORVEN_20240306_073005.txt");
    EXPECT_EQ(rig.results, QStringList({"10 blocks saved to " + table}));
    EXPECT_EQ(rig.tableBlocks("KORVEN_20240306_073005.txt"), UnattendedRig::blocksFrom(590, 599));
    EXPECT_EQ(rig.storedPointer(), 600);
    EXPECT_EQ(rig.folder.read("plant.PUN").mid(22, 10), "06/03/2024");
    EXPECT_EQ(rig.folder.read("plant.DIR").left(table.size()), table.toLatin1());

    const QByteArray pointer = rig.folder.read("plant.PUN");
    EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::Done);
    EXPECT_EQ(rig.results, QStringList({"Nothing new: the last stored block is 599 and the next "
                                        "download starts at block 600"}));
    EXPECT_EQ(rig.folder.read("plant.PUN"), pointer);
    EXPECT_EQ(rig.port.logger().commands().count("Z"), 2);
}

TEST(UnattendedDownload, ALineCutPartWayIsContinuedByTheNextRunWithoutGapOrRepeat) {
    UnattendedRig rig;
    rig.writeDownloadPointer(580);
    rig.faults().silentAfterCommands = 1 + 1 + 7; // "z", "j" and seven blocks
    const QString first = rig.folder.path("first.txt");
    EXPECT_EQ(rig.run({true, 0, 0, first}), UnattendedEnd::LinkFailed);
    EXPECT_EQ(rig.results, QStringList({"7 blocks saved to " + first}));
    EXPECT_EQ(rig.tableBlocks("first.txt"), UnattendedRig::blocksFrom(580, 586));
    EXPECT_EQ(rig.storedPointer(), 587);
    EXPECT_TRUE(rig.prompter.texts().contains(link_texts::notConnected));

    rig.faults().silentAfterCommands = -1; // the line is back
    EXPECT_EQ(rig.run({true, 0, 0, rig.folder.path("second.txt")}), UnattendedEnd::Done);
    EXPECT_EQ(rig.tableBlocks("second.txt"), UnattendedRig::blocksFrom(587, 599));
    EXPECT_EQ(rig.storedPointer(), 600);
}

TEST(UnattendedDownload, RefusesUnusableSetUpFilesBeforeTouchingTheLine) {
    {
        UnattendedRig rig;
        QFile::remove(rig.folder.path("config.dat"));
        EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::BadSetup);
    }
    {
        UnattendedRig rig;
        QFile::remove(rig.folder.path("logger.par"));
        EXPECT_EQ(rig.runAutomatic(), UnattendedEnd::BadSetup);
        EXPECT_FALSE(rig.folder.exists("logger.par"));
    }
    {
        UnattendedRig rig;
        EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("missing/out.txt")}),
                  UnattendedEnd::BadSetup);
        ASSERT_EQ(rig.problems.size(), 1);
        EXPECT_TRUE(rig.problems[0].contains("missing"));
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
}

TEST(UnattendedDownload, ALoggerThatDoesNotWakeIsALinkFailureAndWritesNothing) {
    UnattendedRig rig;
    rig.faults().silent = true;
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("none.txt")}), UnattendedEnd::LinkFailed);
    EXPECT_FALSE(rig.folder.exists("none.txt"));
    EXPECT_TRUE(rig.results.isEmpty());
}

} // namespace
} // namespace korven
