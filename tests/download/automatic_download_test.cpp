#include "download/automatic_download.h"

#include "download/download_job.h"
#include "download/download_rig.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::DownloadRig;

const QDate kToday(2024, 3, 6);

TEST(AutomaticRange, CountsTheBlocksFromThePointerToTheLastStoredOne) {
    EXPECT_EQ((AutomaticRange{120, 125}.count()), 6);
    EXPECT_EQ((AutomaticRange{125, 125}.count()), 1);
    EXPECT_TRUE((AutomaticRange{126, 125}.nothingNew()));
    EXPECT_EQ((AutomaticRange{126, 125}.count()), 0);
    EXPECT_EQ(plannedDownloadText({120, 125}),
              "Ultimo blocco memorizzato: 125\nVerranno scaricati 6 blocchi");
}

// A grid with blocks 120 to 125 fetched from the simulated logger by the
// download job, which read the pointer when it started.
struct SavedDownloadRig : DownloadRig {
    SavedDownloadRig() {
        writeDownloadPointer(120);
        folder.write("plant.DIR", QByteArray(200, 'd'));
        EXPECT_TRUE(job.readSetup(true));
        EXPECT_EQ(job.downloadPointer(), 120);
        grid.setupBlockGrid({}, 120, 6);
        EXPECT_EQ(job.wake(), LinkStatus::Ok);
        EXPECT_EQ(job.fetch(120, 125, grid, 0, {}).end, FetchEnd::Complete);
    }

    DownloadJob job{session.link, session.installation};
    BlockGrid grid;
};

TEST(SaveAutomaticDownload, WritesTheTableThenTheDataFileNameThenMovesThePointer) {
    SavedDownloadRig rig;
    const QString table = rig.folder.path("scarico.txt");
    const AutomaticSave saved = rig.job.saveAutomatic(rig.grid, 6, table, kToday);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.nextBlock, 126);
    EXPECT_EQ(saved.date, "06/03/2024");

    const QByteArray lines = rig.folder.read("scarico.txt");
    ASSERT_EQ(lines.size(), 6 * 104);
    for (int line = 0; line < 6; ++line)
        EXPECT_EQ(lines.mid(line * 104, 4), QByteArray::number(120 + line).rightJustified(4, '0'));

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

TEST(SaveAutomaticDownload, ATableThatCannotBeWrittenLeavesTheSideFilesAlone) {
    SavedDownloadRig rig;
    const QByteArray pointerBefore = rig.folder.read("plant.PUN");
    const QByteArray directoryBefore = rig.folder.read("plant.DIR");

    const AutomaticSave saved =
        rig.job.saveAutomatic(rig.grid, 6, rig.folder.path("no/such/folder.txt"), kToday);
    EXPECT_EQ(saved.outcome, AutomaticSave::Outcome::InvalidName);
    EXPECT_EQ(automaticSaveFailureText(saved), "File name not valid");
    EXPECT_EQ(rig.folder.read("plant.PUN"), pointerBefore);
    EXPECT_EQ(rig.folder.read("plant.DIR"), directoryBefore);
    EXPECT_EQ(rig.session.installation.systemRecords.downloadPointer.integer(
                  DownloadPointerLayout::lastBlock),
              120);
}

} // namespace
} // namespace korven
