#include "download/automatic_download.h"

#include "download/download_job.h"
#include "download/download_rig.h"

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <tuple>

namespace korven {
namespace {

using test::DownloadRig;

const QDate kToday(2024, 3, 6);

// first, last, overwritten, behind, empty
using Plan = std::tuple<int, int, int, bool, bool>;

TEST(AutomaticRange, RunsFromThePointerToTheNewestBlocksTheMemoryStillHolds) {
    struct Case {
        int pointer, loggerNext;
        bool fromStart;
        Plan plan;
    };
    for (const Case& c : {
             Case{120, 126, false, {120, 125, 0, false, false}},
             Case{125, 126, false, {125, 125, 0, false, false}},
             Case{126, 126, false, {126, 125, 0, false, false}},
             // Sixteen bits: after block 65535 the logger goes on with block 0.
             Case{32700, 32800, false, {32700, 32799, 0, false, false}},
             Case{65500, 0, false, {65500, 65535, 0, false, false}},
             Case{65500, 36, false, {65500, 65571, 0, false, false}},
             // The newest 4096 blocks only.
             Case{300, 5300, false, {1204, 5299, 904, false, false}},
             Case{300, 4396, false, {300, 4395, 0, false, false}},
             // Behind the pointer: nothing, unless taken from the logger's start.
             Case{300, 50, false, {300, 299, 0, true, false}},
             Case{300, 50, true, {0, 49, 0, true, false}},
             Case{300, 5000, true, {904, 4999, 604, false, false}}, // ahead, not behind
             Case{9000, 5000, true, {904, 4999, 904, true, false}},
             Case{0, 0, false, {0, -1, 0, false, true}},
             Case{300, 0, false, {300, 299, 0, true, true}},
             Case{300, 0, true, {0, -1, 0, true, true}},
         }) {
        SCOPED_TRACE(testing::Message() << c.pointer << " to " << c.loggerNext);
        const AutomaticRange range = planAutomaticRange(c.pointer, c.loggerNext, c.fromStart);
        EXPECT_EQ(Plan(range.first, range.last, range.overwritten, range.behindPointer,
                       range.loggerEmpty),
                  c.plan);
    }
}

TEST(AutomaticRange, IsToldAsTheLastStoredBlockTheCountAndTheBlocksWrittenOver) {
    EXPECT_EQ(plannedDownloadText(planAutomaticRange(65500, 36, false)),
              "Ultimo blocco memorizzato: 35\nVerranno scaricati 72 blocchi");
    EXPECT_EQ(plannedDownloadText(planAutomaticRange(300, 5300, false)),
              "Ultimo blocco memorizzato: 5299\nVerranno scaricati 4096 blocchi\n904 blocchi "
              "precedenti sono stati sovrascritti nel KORVEN e non verranno scaricati");
}

// The download job's grid of `blocks` rows from the pointer, filled where the logger holds them.
struct SavedDownloadRig : DownloadRig {
    explicit SavedDownloadRig(int pointer = 120, int blocks = 6) {
        writeDownloadPointer(pointer);
        folder.write("plant.DIR", QByteArray(200, 'd'));
        EXPECT_TRUE(job.readSetup(true));
        EXPECT_EQ(job.downloadPointer(), pointer);
        grid.setupBlockGrid({}, pointer, blocks);
        if (pointer + blocks <= 600) {
            EXPECT_EQ(job.wake(), LinkStatus::Ok);
            EXPECT_EQ(job.fetch(pointer, pointer + blocks - 1, grid, 0, {}).end,
                      FetchEnd::Complete);
        }
    }

    DownloadJob job{session.link, session.installation};
    BlockGrid grid;
};

TEST(SaveAutomaticDownload, WritesTheTableMovesThePointerAndWritesTheDataFileName) {
    SavedDownloadRig rig;
    const QString table = rig.folder.path("scarico.txt");
    const AutomaticSave saved = rig.job.saveAutomatic(rig.grid, 6, table, kToday);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.nextBlock, 126);
    EXPECT_EQ(saved.date, "06/03/2024");

    EXPECT_EQ(rig.folder.read("scarico.txt").size(), 6 * 104);
    EXPECT_EQ(rig.tableBlocks("scarico.txt"),
              (QList<QByteArray>{"0120", "0121", "0122", "0123", "0124", "0125"}));

    const QByteArray directory = rig.folder.read("plant.DIR");
    ASSERT_EQ(directory.size(), 200);
    EXPECT_EQ(directory.left(100), table.toLatin1().leftJustified(100, ' '));
    EXPECT_EQ(directory.mid(100), QByteArray(100, 'd'));

    const QByteArray pointer = rig.folder.read("plant.PUN");
    ASSERT_EQ(pointer.size(), 38);
    EXPECT_EQ(rig.storedPointer(), 126);
    EXPECT_EQ(pointer.mid(22, 10), "06/03/2024");
    EXPECT_EQ(pointer.left(12), QByteArray(12, 'u'));
    EXPECT_EQ(pointer.mid(14, 8), QByteArray(8, 'u'));
    EXPECT_EQ(pointer.mid(32), QByteArray(6, 'u'));
}

// Table, pointer and data file's name are one commit: no table is left for a retry to save again.
TEST(SaveAutomaticDownload, AFileThatCannotBeWrittenLeavesEveryFileAsItWas) {
    using Outcome = AutomaticSave::Outcome;
    struct Case {
        const char* blocked;
        const char* table;
        Outcome outcome;
        const char* told;
    };
    for (const Case& c :
         {Case{nullptr, "no/such/folder.txt", Outcome::InvalidName, "File name not valid\r"},
          Case{"plant.PUN", "scarico.txt", Outcome::PointerNotWritten,
               "\rIl puntatore dell'ultimo scarico resta invariato"},
          Case{"plant.DIR", "scarico.txt", Outcome::DirectoryNotWritten,
               "\rIl puntatore dell'ultimo scarico resta invariato"}}) {
        SCOPED_TRACE(c.table);
        SavedDownloadRig rig;
        const QByteArray pointerBefore = rig.folder.read("plant.PUN");
        const QByteArray directoryBefore = rig.folder.read("plant.DIR");
        if (c.blocked) { // a folder where the side file was
            QFile::remove(rig.folder.path(c.blocked));
            QDir(rig.folder.path()).mkdir(c.blocked);
        }

        const AutomaticSave saved =
            rig.job.saveAutomatic(rig.grid, 6, rig.folder.path(c.table), kToday);
        EXPECT_EQ(saved.outcome, c.outcome);
        EXPECT_TRUE(automaticSaveFailureText(saved).contains(c.told));
        EXPECT_FALSE(rig.folder.exists(c.table));
        EXPECT_EQ(rig.session.installation.systemRecords.downloadPointer.unsignedInteger(
                      DownloadPointerLayout::lastBlock),
                  120)
            << "the pointer in memory";
        EXPECT_TRUE(QByteArray(c.blocked) == "plant.PUN" ||
                    rig.folder.read("plant.PUN") == pointerBefore);
        EXPECT_TRUE(QByteArray(c.blocked) == "plant.DIR" ||
                    rig.folder.read("plant.DIR") == directoryBefore);
    }
}

TEST(SaveAutomaticDownload, ThePointerIsSixteenBitsUnsignedAndWrapsWithTheLogger) {
    struct Case {
        int pointer, blocks, next;
        QByteArray bytes;
    };
    // Little-endian: 32800 is 0x8020.
    for (const Case& c : {Case{32700, 100, 32800, QByteArray("\x20\x80", 2)},
                          Case{65500, 36, 0, QByteArray("\0\0", 2)},
                          Case{65500, 72, 36, QByteArray("\x24\0", 2)}}) {
        SavedDownloadRig rig(c.pointer, c.blocks);
        const AutomaticSave saved =
            rig.job.saveAutomatic(rig.grid, c.blocks, rig.folder.path("t.txt"), kToday);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved.nextBlock, c.next);
        EXPECT_EQ(rig.folder.read("plant.PUN").mid(12, 2), c.bytes);
        EXPECT_EQ(rig.storedPointer(), c.next);
        // The rows carry the logger's own numbers, 0 after 65535.
        if (c.blocks == 72) {
            EXPECT_EQ(rig.grid.cell(36, BlockGrid::BlockColumn), "0");
        }
    }
}

} // namespace
} // namespace korven
