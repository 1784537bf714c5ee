// Downloads and imports into the archive, exports and gaps out of it, on both back ends.
#include "archive/archive_export.h"
#include "archive/archive_gaps.h"
#include "archive/archive_rig.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::ArchiveRig;
using test::Backend;

class ArchiveDownload : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (rig.address.isEmpty())
            GTEST_SKIP() << "no PostgreSQL server: "
                         << test::PostgresServer::shared().failure().toStdString();
        ASSERT_TRUE(rig.openArchive());
    }

    ArchiveRig rig{GetParam()};
};

TEST_P(ArchiveDownload, OverlappingDownloadsAndImportsOfTheSameTablesKeepEveryBlockOnce) {
    ASSERT_EQ(rig.download({true, 0, 0, rig.folder.path("first.txt")}), UnattendedEnd::Done);
    rig.writeDownloadPointer(500);
    ASSERT_EQ(rig.download({true, 0, 0, rig.folder.path("second.txt")}), UnattendedEnd::Done);
    EXPECT_TRUE(
        rig.results.contains(QStringLiteral("0 blocks archived in %1 (100 were there already)")
                                 .arg(rig.store->location().name())));

    EXPECT_EQ(rig.setup().station, "plant/logger");
    rig.results.clear();
    EXPECT_EQ(rig.import({"first.txt", "second.txt"}), UnattendedEnd::Done);
    const QString name = rig.store->location().name();
    EXPECT_EQ(rig.results,
              QStringList(
                  {QStringLiteral("0 blocks archived in %1 (600 were there already)").arg(name),
                   QStringLiteral("0 blocks archived in %1 (100 were there already)").arg(name)}));

    // Every block the logger gave, once, byte for byte as the table has it.
    EXPECT_EQ(rig.archivedLines().join(), rig.folder.read("first.txt"));
    QList<ArchivedStation> stations;
    ASSERT_TRUE(rig.store->stations(stations));
    ASSERT_EQ(stations.size(), 1);
    EXPECT_EQ(stations[0].name, "plant/logger");
    EXPECT_EQ(stations[0].blocks, 600);
    EXPECT_EQ(stations[0].firstBlock, 0);
    EXPECT_EQ(stations[0].lastBlock, 599);
    EXPECT_EQ(stations[0].lastAt, loggerTime(QDate(2024, 3, 5), QTime(12, 0)));
}

TEST_P(ArchiveDownload, AnExportIsTheDownloadsCsvOfTheBlocksOfItsPeriod) {
    UnattendedRequest request{false, 0, 599, rig.folder.path("all.txt")};
    request.csvPath = rig.folder.path("all.csv");
    ASSERT_EQ(rig.download(request), UnattendedEnd::Done);
    const QByteArray downloaded = rig.folder.read("all.csv");

    const RecordedChannels channels = rig.setup().channels;
    QBuffer unused;
    ASSERT_EQ(
        exportArchive(*rig.store, {}, channels, rig.folder.path("archive.csv"), unused, rig.output),
        UnattendedEnd::Done);
    EXPECT_EQ(rig.folder.read("archive.csv"), downloaded);

    // Blocks 100 to 199, told by their times; the header comes first.
    const QList<QByteArray> lines = downloaded.split('\n');
    const auto timeOf = [&lines](int block) {
        return QDateTime::fromString(QString::fromUtf8(lines[block + 1].split(',')[1]),
                                     Qt::ISODate);
    };
    QBuffer period;
    period.open(QIODevice::WriteOnly);
    ASSERT_EQ(exportArchive(*rig.store, {QStringLiteral("plant/logger"), timeOf(100), timeOf(199)},
                            channels, {}, period, rig.output),
              UnattendedEnd::Done);
    EXPECT_EQ(period.data(), (lines.mid(0, 1) + lines.mid(101, 100)).join('\n') + '\n');
}

TEST_P(ArchiveDownload, GapsFindAStretchMissingFromTheMiddleAndNothingOnceItIsThere) {
    ASSERT_EQ(rig.download({false, 0, 199, rig.folder.path("a.txt")}), UnattendedEnd::Done);
    ASSERT_EQ(rig.download({false, 300, 599, rig.folder.path("b.txt")}), UnattendedEnd::Done);
    rig.results.clear();
    EXPECT_EQ(reportGaps(*rig.store, {}, rig.output), UnattendedEnd::Incomplete);
    EXPECT_EQ(rig.results,
              QStringList({"plant/logger: 100 blocks missing between block 199 "
                           "(2024-03-02T17:20:00) and block 300 (2024-03-03T10:10:00)"}));

    ASSERT_EQ(rig.download({false, 200, 299, rig.folder.path("c.txt")}), UnattendedEnd::Done);
    rig.results.clear();
    EXPECT_EQ(reportGaps(*rig.store, {}, rig.output), UnattendedEnd::Done);
    EXPECT_TRUE(rig.results.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, ArchiveDownload, ::testing::Values(Backend::Sqlite, Backend::PostgreSql),
                         [](const auto& info) {
                             return info.param == Backend::Sqlite ? "Sqlite" : "PostgreSql";
                         });

// Gaps the block numbers cannot tell: across their wrap, a whole round missing.
ArchivedBlock blockAt(int number, int minutes) {
    ArchivedBlock block;
    block.station = QStringLiteral("plant/logger");
    block.block = number;
    block.loggedAt = loggerTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(qint64(minutes) * 60);
    block.line = QByteArray(104, ' ');
    return block;
}

TEST(ArchiveGaps, TellWholeRoundsOfNumbersByTheScanIntervalAndNoneAcrossTheWrap) {
    ArchiveRig rig(Backend::Sqlite);
    ASSERT_TRUE(rig.openArchive());
    // Every ten minutes through the wrap; block 2, an hour late, is a pause and no gap.
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
