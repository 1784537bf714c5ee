// What a download refuses before it saves anything it cannot stand by: a
// file that is already there under another letter case, a name in the way of
// a side file, blocks the logger does not hold, a second run on the
// installation, and a reply that is not the block asked for.
#include "download/unattended_rig.h"
#include "platform/process_lock.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace korven {
namespace {

TEST(UnattendedSafety, AFileThereUnderAnyLetterCaseIsRefusedUnlessOverwritten) {
    struct Case {
        const char* out;
        const char* csv;
        const char* existing;
        ExistingTable mode;
    };
    for (const Case& c : {Case{"NOTES.TXT", nullptr, "notes.txt", ExistingTable::Refuse},
                          Case{"out.txt", "config.dat", "config.dat", ExistingTable::Refuse},
                          Case{"out.txt", "OLD.CSV", "old.csv", ExistingTable::Append}}) {
        UnattendedRig rig;
        if (!rig.folder.exists(c.existing))
            rig.folder.write(c.existing, "someone's notes");
        const QByteArray before = rig.folder.read(c.existing);
        UnattendedRequest request{false, 0, 3, rig.folder.path(c.out)};
        if (c.csv)
            request.csvPath = rig.folder.path(c.csv);
        request.existing = c.mode;
        EXPECT_EQ(rig.run(request), UnattendedEnd::BadSetup) << c.existing;
        EXPECT_EQ(rig.folder.read(c.existing), before) << c.existing;
        ASSERT_EQ(rig.problems.size(), 1) << c.existing;
        EXPECT_TRUE(rig.problems[0].contains(rig.folder.path(c.existing) + " already exists"))
            << qPrintable(rig.problems[0]);
        EXPECT_TRUE(rig.port.writes().isEmpty()) << c.existing;
    }

    UnattendedRig rig;
    rig.folder.write("old.csv", "an old export");
    UnattendedRequest request{false, 0, 3, rig.folder.path("out.txt")};
    request.csvPath = rig.folder.path("OLD.CSV");
    request.existing = ExistingTable::Overwrite;
    EXPECT_EQ(rig.run(request), UnattendedEnd::Done);
    EXPECT_TRUE(rig.folder.read("old.csv").startsWith("BLOCK,"));
    EXPECT_FALSE(rig.folder.exists("OLD.CSV"));
}

TEST(UnattendedSafety, ANameInTheWayOfASideFileIsRefusedBeforeTheLoggerIsWoken) {
    for (const char* side : {"out.txt.korven-part", "out.csv.korven-part", "plant.PUN.korven-part",
                             "plant.DIR.korven-part"}) {
        UnattendedRig rig;
        ASSERT_EQ(::mkfifo(rig.folder.path(side).toLocal8Bit().constData(), 0600), 0);
        UnattendedRequest request{true, 0, 0, rig.folder.path("out.txt")};
        request.csvPath = rig.folder.path("out.csv");
        EXPECT_EQ(rig.run(request), UnattendedEnd::BadSetup) << side;
        EXPECT_TRUE(rig.port.writes().isEmpty()) << side;
        ASSERT_EQ(rig.problems.size(), 1) << side;
        EXPECT_TRUE(rig.problems[0].contains(side)) << qPrintable(rig.problems[0]);
        EXPECT_TRUE(QFileInfo(rig.folder.path(side)).exists()) << "never removed: " << side;
    }
}

TEST(UnattendedSafety, ARangeOutsideTheLoggersMemoryIsRefusedNamingWhatItHolds) {
    struct Case {
        int blocks, from, to;
        const char* held;
    };
    // Not yet written, past the end, written over, and an empty memory.
    for (const Case& c : {Case{5990, 6000, 6002, "it holds blocks 1894 to 5989"},
                          Case{20, 10, 25, "it holds blocks 0 to 19"},
                          Case{6003, 1000, 1010, "it holds blocks 1907 to 6002"},
                          Case{0, 0, 3, "it holds no blocks"}}) {
        UnattendedRig rig(test::loggerWith(c.blocks));
        EXPECT_EQ(rig.run({false, c.from, c.to, rig.folder.path("out.txt")}),
                  UnattendedEnd::BadSetup)
            << c.from;
        EXPECT_TRUE(rig.blockRequests().isEmpty()) << c.from;
        EXPECT_FALSE(rig.folder.exists("out.txt")) << c.from;
        ASSERT_EQ(rig.problems.size(), 1) << c.from;
        EXPECT_TRUE(rig.problems[0].endsWith(c.held)) << qPrintable(rig.problems[0]);
        EXPECT_EQ(rig.port.logger().commands().last(), "Z") << "back to scanning";
    }
    UnattendedRig rig(test::loggerWith(6003));
    EXPECT_EQ(rig.run({false, 1907, 1908, rig.folder.path("out.txt")}), UnattendedEnd::Done);
    EXPECT_EQ(rig.run({false, 6000, 6002, rig.folder.path("new.txt")}), UnattendedEnd::Done);
}

TEST(UnattendedSafety, ASecondRunOnTheInstallationIsRefusedAtOnceNamingTheHolder) {
    UnattendedRig rig;
    ProcessLock held(installationLockPath(rig.session.installation.systemFilePath));
    ASSERT_TRUE(held.take());
    EXPECT_EQ(rig.run({true, 0, 0, rig.folder.path("out.txt")}), UnattendedEnd::BadSetup);
    EXPECT_TRUE(rig.port.writes().isEmpty());
    ASSERT_EQ(rig.problems.size(), 1);
    EXPECT_TRUE(rig.problems[0].contains("the installation is in use"));
    EXPECT_TRUE(rig.problems[0].contains(QString::number(QCoreApplication::applicationPid())));
}

// Block replies that come after their limit, while later blocks are being
// asked for, are never saved as one of those: once, for block 5, or for
// every block, when no block can be had for sure and the run ends with what
// came before.
TEST(UnattendedSafety, ALateReplyIsNeverSavedAsAnotherBlock) {
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
