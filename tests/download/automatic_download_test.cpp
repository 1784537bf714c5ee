#include "download/automatic_download.h"

#include "download/block_fetch.h"
#include "download/download_setup.h"
#include "download_rig.h"

#include "qt_printers.h"

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

// A grid with blocks 120 to 125 fetched from the simulated logger.
struct SavedDownloadRig : DownloadRig {
    SavedDownloadRig() {
        writeDownloadPointer(120);
        folder.write("plant.DIR", QByteArray(200, 'd'));
        grid.setupBlockGrid({}, 120, 6);
        auto conversation = session.link.startConversation();
        EXPECT_EQ(conversation->wakeLogger(), LinkStatus::Ok);
        FetchRequest request{120,
                             125,
                             0,
                             [this](int block, const BlockText& text) {
                                 grid.fillBlockRow(block, text, {true, true}); },
                             {},
                             {}};
        EXPECT_EQ(fetchBlocks(*conversation, request).end, FetchEnd::Complete);
        // The automatic download reads the pointer when it starts.
        int first = 0;
        EXPECT_TRUE(readDownloadPointer(session.systemFilePath,
                                        session.systemRecords.downloadPointer, first));
        EXPECT_EQ(first, 120);
    }

    BlockGrid grid;
};

TEST(SaveAutomaticDownload, WritesTheTableThenTheDataFileNameThenMovesThePointer) {
    SavedDownloadRig rig;
    const QString table = rig.folder.path("scarico.txt");
    const AutomaticSave saved = saveAutomaticDownload(
        rig.session.systemFilePath, rig.session.systemRecords, rig.grid, 6, table, kToday);
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
        saveAutomaticDownload(rig.session.systemFilePath, rig.session.systemRecords, rig.grid, 6,
                              rig.folder.path("no/such/folder.txt"), kToday);
    EXPECT_EQ(saved.outcome, AutomaticSave::Outcome::InvalidName);
    EXPECT_EQ(automaticSaveFailureText(saved), "File name not valid");
    EXPECT_EQ(rig.folder.read("plant.PUN"), pointerBefore);
    EXPECT_EQ(rig.folder.read("plant.DIR"), directoryBefore);
    EXPECT_EQ(rig.session.systemRecords.downloadPointer.integer(DownloadPointerLayout::lastBlock),
              120);
}

} // namespace
} // namespace korven
