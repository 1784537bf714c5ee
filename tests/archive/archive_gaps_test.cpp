// Gaps where the block numbers alone cannot tell: across their wrap, and a
// whole round of numbers missing.
#include "archive/archive_gaps.h"
#include "archive/archive_rig.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

ArchivedBlock blockAt(int number, int minutes) {
    ArchivedBlock block;
    block.station = QStringLiteral("plant/logger");
    block.block = number;
    block.loggedAt = loggerTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(qint64(minutes) * 60);
    block.line = QByteArray(104, ' ');
    return block;
}

TEST(ArchiveGaps, TellWholeRoundsOfNumbersByTheScanIntervalAndNoneAcrossTheWrap) {
    test::ArchiveRig rig(test::Backend::Sqlite);
    ASSERT_TRUE(rig.openArchive());
    // Every ten minutes, through 65535 to 0; a pause of the logger (block 2
    // an hour late) is no gap.
    QList<ArchivedBlock> blocks{blockAt(65533, 0), blockAt(65534, 10), blockAt(65535, 20),
                                blockAt(0, 30),    blockAt(1, 40),     blockAt(2, 100)};
    StoredCount count;
    ASSERT_TRUE(rig.store->store(blocks, count));
    QList<ArchiveGap> gaps;
    ASSERT_TRUE(findGaps(*rig.store, {}, gaps));
    EXPECT_TRUE(gaps.isEmpty());

    // Block 5 one round and two blocks after block 2: 65538 missing.
    const int minutes = 100 + (65536 + 3) * 10;
    ASSERT_TRUE(rig.store->store({blockAt(5, minutes), blockAt(6, minutes + 10)}, count));
    ASSERT_TRUE(findGaps(*rig.store, {}, gaps));
    ASSERT_EQ(gaps.size(), 1);
    EXPECT_EQ(gaps[0].afterBlock, 2);
    EXPECT_EQ(gaps[0].beforeBlock, 5);
    EXPECT_EQ(gaps[0].missing, 65536 + 2);
}

} // namespace
} // namespace korven
