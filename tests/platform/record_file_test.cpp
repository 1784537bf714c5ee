#include "platform/record_file.h"
#include "platform/windows1252.h"
#include "support/temp_folder.h"

#include <QFile>

#include <optional>

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

TEST(Windows1252, EveryByteReadsBackAsItselfAndAccentsAndEuroTakeTheirPositions) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    EXPECT_EQ(toWindows1252(QString::fromUtf8("°à€")), QByteArray("\xB0\xE0\x80"));
    EXPECT_EQ(fromWindows1252("\xB0\xE0\x80"), QString::fromUtf8("°à€"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("Ω")), QByteArray("?"));
}

TEST(Record, TextIsBlankPaddedAndCutAndIntegersAreLittleEndian) {
    Record record(12);
    record.setText({0, 4}, QStringLiteral("ab"));
    record.setText({4, 3}, QStringLiteral("toolong"));
    record.setInteger({8}, -2);
    record.setInteger({10}, 300);
    EXPECT_EQ(record.bytes(), QByteArray("ab  too\0\xFE\xFF\x2C\x01", 12));
    EXPECT_EQ(record.integer({8}), -2);
    EXPECT_EQ(record.integer({10}), 300);
    EXPECT_EQ(record.trimmedText({0, 4}), QStringLiteral("ab"));
}

// Records past the end read as zero bytes; a missing file is created empty
// by read, not by readExisting.
TEST(RecordFile, ReadsRecordsInPlaceAndPastTheEnd) {
    TempFolder folder;
    folder.write("a.dat", "0123456789");
    Record record(4);
    for (const auto& [n, bytes] : {std::pair{3, QByteArray("89\0\0", 4)}, {7, QByteArray(4, 0)}}) {
        record.setText({0, 4}, QStringLiteral("xxxx"));
        ASSERT_TRUE(RecordFile(folder.path("a.dat"), 4).read(n, record));
        EXPECT_EQ(record.bytes(), bytes) << n;
    }
    EXPECT_FALSE(RecordFile(folder.path("none.dat"), 4).readExisting(1, record));
    EXPECT_FALSE(folder.exists("none.dat"));
    ASSERT_TRUE(RecordFile(folder.path("new.dat"), 4).read(1, record));
    EXPECT_EQ(folder.read("new.dat"), QByteArray());
    EXPECT_TRUE(folder.exists("new.dat"));
}

// A gap before the records is filled with zero bytes, a short record is
// completed with them, and the records after stay.
TEST(RecordFile, WritesRecordsInPlace) {
    TempFolder folder;
    Record record(3);
    record.setText({0, 3}, QStringLiteral("abc"));
    ASSERT_TRUE(RecordFile(folder.path("g.dat"), 3).write(3, record));
    EXPECT_EQ(folder.read("g.dat"), QByteArray("\0\0\0\0\0\0abc", 9));

    folder.write("w.dat", "aaabbbcccddd");
    ASSERT_TRUE(RecordFile(folder.path("w.dat"), 3).writeRecords(2, {"XXX", "YY"}));
    EXPECT_EQ(folder.read("w.dat"), QByteArray("aaaXXXYY\0ddd", 12));
    ASSERT_TRUE(RecordFile(folder.path("w.dat"), 3).writeRecords(6, {"ZZZ"}));
    EXPECT_EQ(folder.read("w.dat"), QByteArray("aaaXXXYY\0ddd\0\0\0ZZZ", 18));
}

TEST(RecordFile, AnExistingFileIsFoundWhateverItsLetterCase) {
    TempFolder folder;
    folder.write("SET.dir", "old");
    const RecordFile file(folder.path("SET.DIR"), 3);
    EXPECT_EQ(file.path(), folder.path("SET.dir"));
    Record record(3);
    record.setText({0, 3}, QStringLiteral("new"));
    ASSERT_TRUE(file.write(1, record));
    EXPECT_EQ(folder.read("SET.dir"), QByteArray("new"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

// What this process has read from files so far, as Linux counts it.
static std::optional<qint64> bytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return std::nullopt;
}

// A damaged pointer file far larger than its records is read only as far as needed.
TEST(RecordFile, AHugeSparseFileIsReadOnlyUpToTheRecordConcerned) {
    TempFolder folder;
    const QString path = folder.path("plant.PUN");
    {
        // Sparse: two gigabytes long, no disk taken.
        QFile pointer(path);
        ASSERT_TRUE(pointer.open(QIODevice::WriteOnly));
        pointer.write(QByteArray(38, 'p'));
        ASSERT_TRUE(pointer.resize(qint64(2) << 30));
    }
    const std::optional<qint64> before = bytesReadSoFar();
    if (!before)
        GTEST_SKIP() << "this system does not count the bytes a process reads";

    const RecordFile file(path, 38);
    Record record(38);
    ASSERT_TRUE(file.read(1, record));
    EXPECT_EQ(record.bytes(), QByteArray(38, 'p'));
    CommittedFile copy;
    ASSERT_TRUE(file.contentWith(1, {QByteArray(38, 'n')}, copy));
    EXPECT_EQ(copy.content, QByteArray(38, 'n'));
    EXPECT_EQ(copy.keepTailFrom, 38) << "the rest of the file is kept as it is";
    EXPECT_LT(*bytesReadSoFar() - *before, 1 << 20);
}
