// A damaged pointer file far larger than its records is read only as far as needed.

#include "platform/record_file.h"
#include "support/temp_folder.h"

#include <QFile>

#include <optional>

#include <gtest/gtest.h>

namespace korven {
namespace {

// What this process has read from files so far, as Linux counts it.
std::optional<qint64> bytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return std::nullopt;
}

TEST(RecordFile, AHugeSparseFileIsReadOnlyUpToTheRecordConcerned) {
    test::TempFolder folder;
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

} // namespace
} // namespace korven
