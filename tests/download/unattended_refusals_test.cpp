// What korvenctl's download refuses before it wakes the logger, and what it
// refuses once the logger has told what it holds.
#include "download/unattended_rig.h"
#include "platform/process_lock.h"

#include <QDir>
#include <QMap>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace korven {
namespace {

// Every regular file of the folder with its bytes.
QMap<QString, QByteArray> filesIn(const test::TempFolder& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, folder.read(name));
    return files;
}

// What stands where a test puts it before the run.
enum class Obstacle { Removed, File, Folder, Fifo, Lock };

// Puts `obstacle` at `name` in the rig's folder.
void place(const UnattendedRig& rig, const QString& name, Obstacle obstacle) {
    const QString path = rig.folder.path(name);
    QFile::remove(path);
    if (obstacle == Obstacle::File)
        rig.folder.write(name, "someone's notes");
    else if (obstacle == Obstacle::Folder)
        QDir(rig.folder.path()).mkdir(name);
    else if (obstacle == Obstacle::Fifo) {
        ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    }
}

struct Refusal {
    const char* out;
    const char* csv;
    ExistingTable existing;
    const char* at; // where the obstacle stands, if anywhere
    Obstacle obstacle;
    // The one problem told contains it; "%1" is the folder, "%2" this program
    // and its process.
    const char* problem;
};

// Each refusal for an automatic download and for a range.
TEST(UnattendedRefusals, AreMadeBeforeTheLoggerIsWokenAndChangeNoFile) {
    using enum Obstacle;
    constexpr ExistingTable refuse = ExistingTable::Refuse;
    const Refusal refusals[] = {
        {"out.txt", nullptr, refuse, "config.dat", Removed, "config.dat"},
        {"out.txt", nullptr, refuse, "logger.par", Removed, "logger.par"},
        {"missing/out.txt", nullptr, refuse, nullptr, File, "folder of %1/missing/out.txt"},
        {"out.txt", "missing/out.csv", refuse, nullptr, File, "folder of %1/missing/out.csv"},
        {"out.txt", "out.txt", refuse, nullptr, File, "the table and the CSV cannot both be"},
        {".", nullptr, refuse, nullptr, File, "%1"},
        {"out.txt", nullptr, refuse, "out.txt", File, "%1/out.txt already exists: --append"},
        {"NOTES.TXT", nullptr, refuse, "notes.txt", File, "%1/notes.txt already exists"},
        {"out.txt", "config.dat", refuse, nullptr, File, "%1/config.dat already exists"},
        {"out.txt", "OLD.CSV", ExistingTable::Append, "old.csv", File,
         "%1/old.csv already exists: --overwrite"},
        {"out.txt", nullptr, refuse, "plant.PUN", Folder, "%1/plant.PUN"},
        {"out.txt", nullptr, refuse, "plant.DIR", Folder, "%1/plant.DIR"},
        {"out.txt", "out.csv", refuse, "out.txt.korven-part", Fifo, "out.txt.korven-part"},
        {"out.txt", "out.csv", refuse, "out.csv.korven-part", Fifo, "out.csv.korven-part"},
        {"out.txt", nullptr, refuse, "plant.PUN.korven-part", Fifo, "plant.PUN.korven-part"},
        {"out.txt", nullptr, refuse, "plant.DIR.korven-part", Fifo, "plant.DIR.korven-part"},
        // A second run on the installation, refused at once naming the first.
        {"out.txt", nullptr, refuse, nullptr, Lock, "the installation is in use: held by %2 on"},
    };
    for (const Refusal& refusal : refusals) {
        for (const bool automatic : {true, false}) {
            // A range download leaves the pointer and the data file's name
            // alone.
            if (!automatic && QByteArray(refusal.at).startsWith("plant."))
                continue;
            SCOPED_TRACE(std::string(refusal.problem) + (automatic ? ", automatic" : ", range"));
            UnattendedRig rig;
            if (refusal.at)
                place(rig, refusal.at, refusal.obstacle);
            ProcessLock held(installationLockPath(rig.session.installation.systemFilePath));
            if (refusal.obstacle == Lock) {
                ASSERT_TRUE(held.take());
            }
            UnattendedRequest request{automatic, 0, 3, rig.folder.path(refusal.out)};
            if (refusal.csv)
                request.csvPath = rig.folder.path(refusal.csv);
            request.existing = refusal.existing;
            const QMap<QString, QByteArray> before = filesIn(rig.folder);
            EXPECT_EQ(rig.run(request), UnattendedEnd::BadSetup);
            EXPECT_TRUE(rig.port.writes().isEmpty());
            EXPECT_EQ(filesIn(rig.folder), before);
            ASSERT_EQ(rig.problems.size(), 1);
            const QString problem =
                QString(refusal.problem)
                    .replace("%1", rig.folder.path())
                    .replace("%2", QStringLiteral("%1 (process %2")
                                       .arg(QCoreApplication::applicationName())
                                       .arg(QCoreApplication::applicationPid()));
            EXPECT_TRUE(rig.problems[0].contains(problem)) << qPrintable(rig.problems[0]);
        }
    }
}

TEST(UnattendedRefusals, ARangeOutsideTheLoggersMemoryIsRefusedNamingWhatItHolds) {
    struct Case {
        int blocks, from, to;
        const char* held;
    };
    // Not yet written, past the end, written over, and an empty memory.
    for (const Case& c : {Case{5990, 6000, 6002, "it holds blocks 1894 to 5989"},
                          Case{20, 10, 25, "it holds blocks 0 to 19"},
                          Case{6003, 1000, 1010, "it holds blocks 1907 to 6002"},
                          Case{0, 0, 3, "it holds no blocks"}}) {
        SCOPED_TRACE(c.held);
        UnattendedRig rig(test::loggerWith(c.blocks));
        EXPECT_EQ(rig.run({false, c.from, c.to, rig.folder.path("out.txt")}),
                  UnattendedEnd::BadSetup);
        EXPECT_TRUE(rig.blockRequests().isEmpty());
        EXPECT_FALSE(rig.folder.exists("out.txt"));
        ASSERT_EQ(rig.problems.size(), 1);
        EXPECT_TRUE(rig.problems[0].endsWith(c.held)) << qPrintable(rig.problems[0]);
        EXPECT_EQ(rig.port.logger().commands().last(), "Z") << "back to scanning";
    }
    UnattendedRig rig(test::loggerWith(6003));
    EXPECT_EQ(rig.run({false, 1907, 1908, rig.folder.path("out.txt")}), UnattendedEnd::Done);
    EXPECT_EQ(rig.run({false, 6000, 6002, rig.folder.path("new.txt")}), UnattendedEnd::Done);
}

} // namespace
} // namespace korven
