// Files written whole or left as they were, one at a time or several as one:
// after a kill, every file old or every file new.
#include "platform/file_commit.h"
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

struct CommitRig {
    CommitRig() {
        for (const char* name : {"t.txt", "p.PUN", "d.DIR"})
            folder.write(name, QByteArray("old ") + name);
    }
    QString journal() const { return folder.path("plant.stp.korven-commit"); }
    QList<CommittedFile> files() const {
        return {{folder.path("t.txt"), "new t.txt"},
                {folder.path("p.PUN"), "new p.PUN"},
                {folder.path("d.DIR"), "new d.DIR"}};
    }
    // The journal a commit writes, cut to its first `lines` lines.
    QByteArray journalText(int lines) const {
        QByteArrayList text{"KORVEN commit 1"};
        for (const CommittedFile& file : files())
            text.append(file.path.toUtf8());
        text.append("end");
        return text.mid(0, lines).join('\n') + '\n';
    }
    // Every target's content, in order.
    QByteArrayList contents() const {
        return {folder.read("t.txt"), folder.read("p.PUN"), folder.read("d.DIR")};
    }

    TempFolder folder;
};

const QByteArrayList kOld{"old t.txt", "old p.PUN", "old d.DIR"};
const QByteArrayList kNew{"new t.txt", "new p.PUN", "new d.DIR"};

TEST(FileCommit, ANextStartFinishesOrRollsBackACommitKilledAtAnyStepThenCommitsAgain) {
    struct Killed {
        const char* step;
        bool committed;   // the journal was renamed: the commit decided
        int journalLines; // of the journal written when killed
        int sidesWritten; // side files already on the disk
        int sidesMoved;   // side files already in their file's place
        QByteArrayList expected;
    };
    for (const Killed& k : {
             Killed{"writing the journal", false, 2, 0, 0, kOld},
             Killed{"between journal and side files", false, 5, 0, 0, kOld},
             Killed{"writing the side files", false, 5, 2, 0, kOld},
             Killed{"before the decisive rename", false, 5, 3, 0, kOld},
             Killed{"after the decisive rename", true, 5, 3, 0, kNew},
             Killed{"between the table and the pointer", true, 5, 3, 1, kNew},
             Killed{"before removing the journal", true, 5, 3, 3, kNew},
         }) {
        CommitRig rig;
        // Another program's side file stays whatever happens.
        rig.folder.write("notes.txt.korven-part", "someone else's");
        const QString journal = k.committed ? rig.journal() : preparingJournalPath(rig.journal());
        rig.folder.write(QFileInfo(journal).fileName(), rig.journalText(k.journalLines));
        for (int i = 0; i < k.sidesWritten; ++i)
            rig.folder.write(QFileInfo(rig.files()[i].path).fileName() + ".korven-part",
                             rig.files()[i].content);
        for (int i = 0; i < k.sidesMoved; ++i)
            ASSERT_TRUE(renameSideFile(rig.files()[i].path));

        const QStringList entries{"d.DIR", "notes.txt.korven-part", "p.PUN", "t.txt"};
        ASSERT_TRUE(finishInterruptedCommit(rig.journal())) << k.step;
        EXPECT_EQ(rig.contents(), k.expected) << k.step;
        EXPECT_EQ(entriesOf(rig.folder), entries) << k.step;
        // Ready again: the next commit replaces every file and leaves nothing behind.
        EXPECT_TRUE(commitFiles(rig.journal(), rig.files())) << k.step;
        EXPECT_EQ(rig.contents(), kNew) << k.step;
        EXPECT_EQ(entriesOf(rig.folder), entries) << k.step;
    }
}

TEST(FileCommit, AFileThatCannotBeWrittenLeavesEveryFileAsItWas) {
    CommitRig rig;
    QFile::remove(rig.folder.path("d.DIR"));
    QDir(rig.folder.path()).mkdir("d.DIR");
    const FileStatus status = commitFiles(rig.journal(), rig.files());
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.namedError().contains("d.DIR")) << status.namedError().toStdString();
    EXPECT_EQ(rig.folder.read("t.txt"), "old t.txt");
    EXPECT_EQ(rig.folder.read("p.PUN"), "old p.PUN");
    EXPECT_EQ(entriesOf(rig.folder), QStringList({"p.PUN", "t.txt"})) << "no side file, no journal";
}

TEST(FileCommit, IsRefusedWhileAnEarlierSaveIsUnfinished) {
    for (const bool decided : {true, false}) {
        CommitRig rig;
        const QString journal = decided ? rig.journal() : preparingJournalPath(rig.journal());
        rig.folder.write(QFileInfo(journal).fileName(), rig.journalText(5));
        const FileStatus status = commitFiles(rig.journal(), rig.files());
        EXPECT_TRUE(status.namedError().contains("not finished yet")) << decided;
        EXPECT_EQ(rig.contents(), kOld) << decided;
    }
}

TEST(FileCommit, NeverWritesThroughANameInTheWayOfASideFile) {
    for (const char* kind : {"link", "fifo", "file"}) {
        CommitRig rig;
        rig.folder.write("victim", "precious");
        const QString side = rig.folder.path("p.PUN.korven-part");
        if (QByteArray(kind) == "link")
            QFile::link(rig.folder.path("victim"), side);
        else if (QByteArray(kind) == "fifo")
            ASSERT_EQ(::mkfifo(side.toLocal8Bit().constData(), 0600), 0);
        else
            rig.folder.write("p.PUN.korven-part", "someone else's");

        EXPECT_FALSE(checkWritable(rig.folder.path("p.PUN"))) << kind;
        const FileStatus status = commitFiles(rig.journal(), rig.files());
        EXPECT_FALSE(status) << kind;
        EXPECT_TRUE(status.error.contains("p.PUN.korven-part")) << kind;
        EXPECT_EQ(rig.contents(), kOld) << kind;
        EXPECT_EQ(rig.folder.read("victim"), "precious") << kind;
        EXPECT_TRUE(QFileInfo(side).exists() || QFileInfo(side).isSymLink()) << kind;
        EXPECT_FALSE(writeWholeFile(rig.folder.path("p.PUN"), "x")) << kind;
        EXPECT_EQ(rig.folder.read("victim"), "precious") << kind;
    }
}

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

} // namespace
