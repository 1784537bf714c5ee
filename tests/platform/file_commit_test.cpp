// Several files replaced as one: after a kill, every file old or every file new.
#include "platform/file_commit.h"
#include "platform/whole_file.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace korven;
using korven::test::TempFolder;

namespace {

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
    QStringList entries() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
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
        EXPECT_EQ(rig.entries(), entries) << k.step;
        // Ready again: the next commit replaces every file and leaves nothing behind.
        EXPECT_TRUE(commitFiles(rig.journal(), rig.files())) << k.step;
        EXPECT_EQ(rig.contents(), kNew) << k.step;
        EXPECT_EQ(rig.entries(), entries) << k.step;
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
    EXPECT_EQ(rig.entries(), QStringList({"p.PUN", "t.txt"})) << "no side file, no journal";
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

} // namespace
