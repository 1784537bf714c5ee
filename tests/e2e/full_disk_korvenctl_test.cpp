// korvenctl download --auto with its files on a file system that is full: a
// small tmpfs filled to the last byte. Mounting needs the right to mount; where
// it is missing the tests say so and skip.

#include "download_e2e_rig.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// A tmpfs of `kilobytes` mounted over `folder` while it lives; what the
// folder held is copied onto it.
class FullTmpfs {
public:
    FullTmpfs(const QString& folder, int kilobytes) : folder_(folder) {
        QHash<QString, QByteArray> files;
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files))
            files.insert(name, read(dir.filePath(name)));
        QProcess mount;
        mount.start(
            QStringLiteral("mount"),
            {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kilobytes), "tmpfs", folder});
        mounted_ = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit &&
                   mount.exitCode() == 0;
        why_ = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        if (!mounted_)
            return;
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            write(dir.filePath(file.key()), file.value());
    }
    ~FullTmpfs() {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {"-l", folder_});
    }

    bool mounted() const { return mounted_; }
    QString why() const { return why_.isEmpty() ? QStringLiteral("mount failed") : why_; }

    // Takes every byte left, so that the next file written finds no room.
    void fill() const {
        QFile filler(QDir(folder_).filePath("filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray chunk(1024, 'f');
        while (filler.write(chunk) == chunk.size() && filler.flush()) {
        }
        // The last pages the tmpfs grants may come one flush late.
        filler.write(QByteArray(4096, 'f'));
        filler.flush();
    }

private:
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QString folder_;
    bool mounted_ = false;
    QString why_;
};

QStringList autoDownload(const ProgramFolder& folder, const QString& device,
                         const QStringList& more) {
    return QStringList{"--folder", folder.path(), "--device", device, "download", "--auto"} + more;
}

QStringList unfinishedWrites(const QString& folder) {
    return QDir(folder).entryList({"*.korven-part"}, QDir::Files | QDir::Hidden);
}

TEST(KorvenctlFullDisk, ATableThatDoesNotFitLeavesTheOldTableAndThePointer) {
    ProgramFolder folder;
    // Few blocks, so that the simulator's log of them stays whole.
    folder.writeDownloadPointer(560);
    QDir(folder.path()).mkdir("tables");
    const QString tables = folder.path("tables");
    const FullTmpfs disk(tables, 64);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here: " << qPrintable(disk.why());
    QFile old(QDir(tables).filePath("table.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(104, 'e'));
    old.close();
    disk.fill();
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());
    const QByteArray pointerBefore = folder.read("plant.PUN");

    const KorvenctlRun run = korvenctl(autoDownload(
        folder, folder.link(), {"--out", QDir(tables).filePath("table.txt"), "--append"}));
    EXPECT_EQ(run.exitCode, 2) << qPrintable(run.err);
    EXPECT_TRUE(run.out.filter("saved").isEmpty()) << qPrintable(run.out.join('\n'));
    EXPECT_TRUE(run.err.contains(QDir(tables).filePath("table.txt"))) << qPrintable(run.err);
    EXPECT_EQ(folder.read("tables/table.txt"), QByteArray(104, 'e'));
    EXPECT_EQ(folder.read("plant.PUN"), pointerBefore);
    EXPECT_FALSE(folder.exists("plant.DIR"));
    EXPECT_EQ(unfinishedWrites(tables), QStringList());
    EXPECT_TRUE(simulator.commands().last().startsWith('z') ||
                simulator.commands().last().startsWith('Z'))
        << "the logger scans again: "
        << qPrintable(simulator.commands().mid(simulator.commands().size() - 3).join(' '));
}

TEST(KorvenctlFullDisk, AFullProgramFolderKeepsTheSideFilesAndLeavesNoTable) {
    ProgramFolder folder;
    folder.writeDownloadPointer(590);
    QByteArray directory(200, ' ');
    directory.replace(0, 9, "older.txt");
    QFile::remove(folder.path("plant.DIR"));
    QFile dir(folder.path("plant.DIR"));
    ASSERT_TRUE(dir.open(QIODevice::WriteOnly));
    dir.write(directory);
    dir.close();
    TempFolder tables;
    const FullTmpfs disk(folder.path(), 64);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here: " << qPrintable(disk.why());
    disk.fill();
    // The line's link lies outside the full file system.
    Simulator simulator(tables.path("com1"));
    ASSERT_TRUE(simulator.ready());
    const QByteArray pointerBefore = folder.read("plant.PUN");

    const KorvenctlRun run =
        korvenctl(autoDownload(folder, tables.path("com1"), {"--out", tables.path("t.txt")}));
    EXPECT_EQ(run.exitCode, 2) << qPrintable(run.err);
    EXPECT_TRUE(run.out.filter("saved").isEmpty()) << qPrintable(run.out.join('\n'));
    // Refused before the logger is woken (the installation's lock does not fit
    // either), or at the save: either way no table is left for a retry to
    // save again.
    EXPECT_TRUE(run.err.contains(folder.path())) << qPrintable(run.err);
    EXPECT_FALSE(tables.exists("t.txt"));
    EXPECT_EQ(folder.read("plant.PUN"), pointerBefore);
    EXPECT_EQ(folder.read("plant.DIR"), directory);
    EXPECT_EQ(unfinishedWrites(folder.path()), QStringList());
}

} // namespace
} // namespace korven::test::download_e2e
