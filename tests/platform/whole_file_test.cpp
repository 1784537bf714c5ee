// Whole-file writes replace a file completely or leave it as it was, and say so.
#include "platform/record_file.h"
#include "platform/whole_file.h"
#include "support/file_system_limits.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace korven;
using korven::test::TempFolder;

namespace {

QStringList entriesOf(const TempFolder& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

// Whole files and record files go through the same checked write.
TEST(WholeFile, AWriteThatDoesNotReachTheDiskFailsAndLeavesTheOldFile) {
    TempFolder folder;
    folder.write("table.txt", "old lines\r");
    folder.write("plant.PUN", QByteArray(38, 'u'));
    FileStatus whole, record;
    {
        const test::FileSizeLimit limit(20);
        whole = writeWholeFile(folder.path("table.txt"), QByteArray(100, 'x'));
        record = RecordFile(folder.path("plant.PUN"), 38).writeRecords(1, {QByteArray(38, 'n')});
    }
    EXPECT_FALSE(whole);
    EXPECT_FALSE(whole.error.isEmpty());
    EXPECT_EQ(whole.path, folder.path("table.txt"));
    EXPECT_FALSE(record);
    EXPECT_EQ(folder.read("table.txt"), QByteArray("old lines\r"));
    EXPECT_EQ(folder.read("plant.PUN"), QByteArray(38, 'u'));
    EXPECT_EQ(entriesOf(folder), QStringList({"plant.PUN", "table.txt"})) << "no side file left";
}

TEST(WholeFile, ReplacesTheFileWholeAndKeepsItsPermissions) {
    TempFolder folder;
    folder.write("a.csv", "a much longer old content");
    QFile::setPermissions(folder.path("a.csv"), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(writeWholeFile(folder.path("a.csv"), "new"));
    EXPECT_EQ(folder.read("a.csv"), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(folder.path("a.csv")),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(entriesOf(folder), QStringList{"a.csv"});
}

TEST(WholeFile, NamesThatCannotBeWrittenAreToldBeforeAnyWriteYetReadOnlyRecordsRead) {
    TempFolder folder;
    QDir(folder.path()).mkdir("sub");
    const FileStatus toFolder = checkWritable(folder.path("sub"));
    EXPECT_FALSE(toFolder);
    EXPECT_TRUE(toFolder.namedError().contains(folder.path("sub")));
    EXPECT_FALSE(checkWritable(folder.path("missing/x.txt")));
    EXPECT_FALSE(writeWholeFile(folder.path("sub"), "x"));
    EXPECT_TRUE(QFileInfo(folder.path("sub")).isDir());

    // A read-only file in a folder others may enter, looked at by another user.
    folder.write("locked.txt", "keep");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(folder.path("locked.txt"), QFile::ReadOwner | QFile::ReadOther);
    const test::AsUnprivilegedUser nobody;
    EXPECT_FALSE(checkWritable(folder.path("locked.txt")));
    EXPECT_FALSE(writeWholeFile(folder.path("locked.txt"), "gone"));
    EXPECT_EQ(folder.read("locked.txt"), QByteArray("keep"));
    // A record file is read without asking for write access.
    Record record(4);
    const FileStatus read = RecordFile(folder.path("locked.txt"), 4).read(1, record);
    EXPECT_TRUE(read) << read.namedError().toStdString();
    EXPECT_EQ(record.bytes(), QByteArray("keep"));
    EXPECT_TRUE(RecordFile(folder.path("locked.txt"), 4).readExisting(1, record));
}

TEST(RecordFile, AFifoIsRefusedWithItsNameInsteadOfBlocking) {
    TempFolder folder;
    const QString fifo = folder.path("logger.par");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    Record record(10);
    const RecordFile file(fifo, 10);
    for (const FileStatus& status :
         {file.read(1, record), file.readExisting(1, record), file.write(1, record),
          file.writeRecords(1, {QByteArray(10, 'x')})}) {
        EXPECT_FALSE(status);
        EXPECT_TRUE(status.namedError().contains(fifo)) << status.namedError().toStdString();
    }
}
