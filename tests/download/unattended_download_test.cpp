// korvenctl's download run: its refusals, how each end is told, stops, failed saves.
#include "download/unattended_rig.h"
#include "platform/process_lock.h"

#include "support/file_system_limits.h"

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
    const char* problem; // "%1" is the folder, "%2" this program and its process
};

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
            // A range download leaves the pointer and the data file's name alone.
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
    UnattendedRig single(test::loggerWith(1));
    EXPECT_EQ(single.run({false, 0, 0, single.folder.path("one.txt")}), UnattendedEnd::Done);
}

// Without --out the table is named after the moment the run started.
TEST(UnattendedDownload, SavesTheTableAndTheCsvAndSaysWhereEachWent) {
    UnattendedRig rig;
    const QString table = QStringLiteral("KORVEN_20240306_073005.txt");
    UnattendedRequest request{false, 590, 599, {}};
    request.csvPath = rig.folder.path("out.csv");
    EXPECT_EQ(rig.run(request), UnattendedEnd::Done);
    EXPECT_EQ(rig.results, QStringList({rig.saved(10, table),
                                        "10 blocks exported to " + rig.folder.path("out.csv")}));
    EXPECT_EQ(rig.tableBlocks(table).first(), "0590");
    EXPECT_EQ(rig.folder.read("out.csv").count('\n'), 11);
    EXPECT_TRUE(rig.problems.isEmpty());
}

// What an automatic download tells of the range it takes, or refuses.
TEST(UnattendedDownload, TellsWhatItTakesOfTheLoggersMemoryOrWhyNothing) {
    struct Case {
        int blocks, pointer;
        bool fromStart;
        UnattendedEnd end;
        int saved;
        QString told;
    };
    for (const Case& c : {
             Case{0, 0, false, UnattendedEnd::Done, 0,
                  "Nothing new: the logger has no blocks stored"},
             Case{600, 600, false, UnattendedEnd::Done, 0,
                  "Nothing new: the last stored block is 599 and the next download starts at "
                  "block 600"},
             Case{5300, 300, false, UnattendedEnd::Done, 4096,
                  "904 blocks after the download pointer were written over"},
             Case{50, 300, false, UnattendedEnd::BadSetup, 0,
                  "the logger's memory is behind the download pointer: it was reset or replaced "
                  "(the logger will write block 50 next, the download pointer is at block 300); "
                  "--from-start downloads it from block 0"},
             Case{50, 300, true, UnattendedEnd::Done, 50,
                  "the logger's memory is behind the download pointer (block 300): downloading "
                  "it from block 0"},
         }) {
        SCOPED_TRACE(testing::Message() << c.blocks << " blocks, pointer at " << c.pointer);
        UnattendedRig rig(test::loggerWith(c.blocks));
        rig.writeDownloadPointer(c.pointer);
        const QString out = rig.folder.path("out.txt");
        EXPECT_EQ(rig.run({.automatic = true, .outPath = out, .fromStart = c.fromStart}), c.end);
        EXPECT_TRUE((rig.results + rig.problems).join('\n').contains(c.told))
            << qPrintable((rig.results + rig.problems).join('\n'));
        EXPECT_EQ(rig.blockRequests().size(), c.saved);
        EXPECT_EQ(rig.tableBlocks("out.txt").size(), c.saved);
        EXPECT_EQ(rig.storedPointer(), c.saved ? c.blocks : c.pointer);
        EXPECT_EQ(rig.port.logger().commands().last(), "Z");
    }
}

TEST(UnattendedDownload, ALinkThatFailsIsALinkFailureSayingWhatWasSaved) {
    struct Case {
        int silentAfter; // commands: "z", "j" and the blocks
        UnattendedEnd end;
        int saved;
        QString problem;
    };
    for (const Case& c :
         {Case{0, UnattendedEnd::LinkFailed, 0, "link failure: the logger did not answer"},
          Case{2 + 2, UnattendedEnd::LinkFailed, 2,
               "link failure: the line failed at block 12; blocks 10 to 11 are saved"},
          Case{2 + 10, UnattendedEnd::NotRestarted, 10, "logger not restarted: "}}) {
        SCOPED_TRACE(c.silentAfter);
        UnattendedRig rig;
        if (c.silentAfter == 0)
            rig.faults().silent = true;
        else
            rig.faults().silentAfterCommands = c.silentAfter;
        EXPECT_EQ(rig.run({false, 10, 19, rig.folder.path("out.txt")}), c.end);
        EXPECT_EQ(rig.tableBlocks("out.txt").size(), c.saved);
        EXPECT_EQ(rig.results, c.saved ? QStringList{rig.saved(c.saved)} : QStringList());
        ASSERT_FALSE(rig.problems.isEmpty());
        EXPECT_TRUE(rig.problems.last().startsWith(c.problem)) << qPrintable(rig.problems.last());
    }
}

// A stop signal also stops the conversation, which must not cut the resume short.
TEST(UnattendedDownload, AStopEndsAfterTheBlockUnderWayKeepsItAndResumesAWokenLogger) {
    struct Case {
        int stopAfter; // blocks in; -1 during the wake-up
        QString problem;
    };
    for (const Case& c :
         {Case{-1, "stopped by a signal before the logger was woken"},
          Case{0, "stopped by a signal before any block was fetched"},
          Case{2, "stopped by a signal after block 591; 2 blocks saved (590 to 591)"}}) {
        SCOPED_TRACE(c.stopAfter);
        UnattendedRig rig;
        rig.writeDownloadPointer(590);
        bool stop = false;
        UnattendedRequest request{true, 0, 0, rig.folder.path("out.txt")};
        request.stopWanted = [&stop] { return stop; };
        request.progress = [&](const DownloadProgress& done) {
            if (done.done == c.stopAfter) {
                stop = true;
                rig.clock.requestStop();
            }
        };
        if (c.stopAfter < 0)
            rig.clock.requestStop();
        const int saved = std::max(c.stopAfter, 0);
        EXPECT_EQ(rig.run(request), UnattendedEnd::LinkFailed);
        EXPECT_EQ(rig.blockRequests().size(), saved);
        EXPECT_EQ(rig.tableBlocks("out.txt").size(), saved);
        EXPECT_EQ(rig.storedPointer(), 590 + saved);
        EXPECT_EQ(rig.results, saved ? QStringList{rig.saved(saved)} : QStringList());
        EXPECT_EQ(rig.problems, QStringList{c.problem});
        const QList<QByteArray> commands = rig.port.logger().commands();
        EXPECT_EQ(commands.isEmpty() ? "never woken" : commands.last(),
                  c.stopAfter < 0 ? "never woken" : "Z");
    }
}

TEST(UnattendedDownload, AnExistingTableIsAppendedToOrOverwrittenWhenAskedAndFoundInAnyCase) {
    UnattendedRig rig;
    rig.writeDownloadPointer(590);
    const QByteArray earlier(104, 'e');
    rig.folder.write("out.txt", earlier);
    UnattendedRequest request{true, 0, 0, rig.folder.path("OUT.TXT")};
    request.existing = ExistingTable::Append;
    EXPECT_EQ(rig.run(request), UnattendedEnd::Done);
    EXPECT_EQ(rig.folder.read("out.txt").left(104), earlier);
    EXPECT_EQ(rig.tableBlocks("out.txt").size(), 11);

    rig.writeDownloadPointer(595);
    request.existing = ExistingTable::Overwrite;
    rig.folder.write("old.csv", "an old export");
    request.csvPath = rig.folder.path("OLD.CSV");
    EXPECT_EQ(rig.run(request), UnattendedEnd::Done);
    EXPECT_EQ(rig.tableBlocks("out.txt"),
              (QList<QByteArray>{"0595", "0596", "0597", "0598", "0599"}));
    EXPECT_TRUE(rig.folder.read("old.csv").startsWith("BLOCK,"));
    EXPECT_FALSE(rig.folder.exists("OLD.CSV"));
}

// Table, pointer and data file's name are saved together or not at all.
TEST(UnattendedDownload, ASaveThatDoesNotReachTheDiskLeavesThePointerAndTheOldFiles) {
    struct Case {
        int pointer;
        rlim_t room;
        QByteArray table; // there before
        const char* failing;
    };
    for (const Case& c :
         {Case{100, 20000, QByteArray(104, 'e'), "out.txt"}, Case{599, 150, {}, "plant.DIR"}}) {
        SCOPED_TRACE(c.room);
        UnattendedRig rig;
        rig.writeDownloadPointer(c.pointer);
        if (!c.table.isEmpty())
            rig.folder.write("out.txt", c.table);
        const QByteArray directoryBefore = rig.folder.read("plant.DIR");
        UnattendedRequest request{true, 0, 0, rig.folder.path("out.txt")};
        request.existing = ExistingTable::Append;
        UnattendedEnd end;
        {
            const test::FileSizeLimit limit(c.room);
            end = rig.run(request);
        }
        EXPECT_EQ(end, UnattendedEnd::BadSetup);
        EXPECT_TRUE(rig.results.isEmpty()) << qPrintable(rig.results.join('\n'));
        EXPECT_EQ(rig.folder.read("out.txt"), c.table);
        EXPECT_EQ(rig.folder.exists("out.txt"), !c.table.isEmpty());
        EXPECT_EQ(rig.storedPointer(), c.pointer);
        EXPECT_EQ(rig.folder.read("plant.DIR"), directoryBefore);
        ASSERT_FALSE(rig.problems.isEmpty());
        EXPECT_TRUE(rig.problems.last().contains(rig.folder.path(c.failing)))
            << qPrintable(rig.problems.last());
        EXPECT_EQ(QDir(rig.folder.path()).entryList({"*.korven-part"}, QDir::Files), QStringList());
        EXPECT_EQ(rig.port.logger().commands().last(), "Z") << "the logger scans again";
    }
}

// A reply past its limit is never saved as a later block: once (block 5) or every time.
TEST(UnattendedDownload, ALateReplyIsNeverSavedAsAnotherBlock) {
    UnattendedRig reference;
    ASSERT_EQ(reference.run({false, 0, 60, reference.folder.path("out.txt")}), UnattendedEnd::Done);
    const QByteArray expected = reference.folder.read("out.txt");
    for (const bool everyBlock : {false, true}) {
        UnattendedRig rig;
        int blockReplies = 0;
        rig.port.setLineFilter([&](const sim::Emission& emission) -> QList<sim::Emission> {
            if (emission.bytes.size() < 90 || (++blockReplies != 6 && !everyBlock))
                return {emission};
            const QByteArray late = emission.bytes;
            rig.clock.at(rig.clock.nowMs() + 6500, [&rig, late] { rig.port.inject(late); });
            return {};
        });
        const UnattendedEnd end = rig.run({false, 0, 60, rig.folder.path("out.txt")});
        const QByteArray saved = rig.folder.read("out.txt");
        EXPECT_EQ(end, everyBlock ? UnattendedEnd::LinkFailed : UnattendedEnd::Done);
        EXPECT_EQ(saved, expected.left(saved.size())) << everyBlock;
    }
}

} // namespace
} // namespace korven
