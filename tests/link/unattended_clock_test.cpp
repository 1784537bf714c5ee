#include "link/link_texts.h"
#include "link/screens/screen_rig.h"
#include "link/unattended_clock.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A program folder whose "config.dat" names the rig's set-up files, with
// logger 1 on the line, its clock `aheadSeconds` from the computer's.
struct ClockRunRig : ScreenRig {
    explicit ClockRunRig(qint64 aheadSeconds) : ScreenRig(loggerClockAhead(aheadSeconds)) {
        saveSettingsFile();
    }

    UnattendedEnd run(const UnattendedClockRequest& request) {
        UnattendedOutput output;
        output.problem = [this](const QString& text) {
            problems.append(text);
            messagesBeforeLastProblem = static_cast<int>(prompter.texts().size());
        };
        output.result = [this](const QString& text) { results.append(text); };
        return runUnattendedClock(folder.path(), request, port, clock, session.linkReporter,
                                  output);
    }
    QList<QByteArray> commands() { return port.logger().commands(); }

    QStringList problems;
    QStringList results;
    int messagesBeforeLastProblem = 0;
};

TEST(UnattendedClock, TellsBothClocksAndTheDriftAndLeavesTheLoggerScanning) {
    ClockRunRig rig(3600);
    EXPECT_EQ(rig.run({1, false, {}}), UnattendedEnd::Done);

    ASSERT_EQ(rig.results.size(), 3) << rig.results.join(u'\n').toStdString();
    EXPECT_TRUE(rig.results[0].startsWith("logger clock:   2024-03-05 13:00:0"));
    EXPECT_TRUE(rig.results[1].startsWith("computer clock: 2024-03-05 12:00:0"));
    EXPECT_EQ(rig.results[2], "drift:          +3600 s");
    EXPECT_EQ(rig.commands(), QList<QByteArray>({"z", "H", "Z"}));
    EXPECT_TRUE(rig.port.writes().contains(QByteArray("\x81")));
    EXPECT_TRUE(rig.problems.isEmpty());
}

TEST(UnattendedClock, AStopOnceTheLoggerIsStoppedLetsTheRunFinishAndResume) {
    ClockRunRig rig(3600);
    // What korvenctl's stop signal asks for, as soon as the logger has stopped
    // scanning for the run.
    rig.port.logger().setEventSink([&rig](sim::EventTopic, const QByteArray& text) {
        if (text == "command z")
            rig.clock.requestStop();
    });
    EXPECT_EQ(rig.run({1, false, {}}), UnattendedEnd::Done);
    EXPECT_EQ(rig.commands(), QList<QByteArray>({"z", "H", "Z"}));
}

// Set, or left alone within the threshold; once set, read back.
TEST(UnattendedClock, SetBringsTheLoggerToTheComputersClockUnlessTheDriftIsWithinTheThreshold) {
    ClockRunRig far(-3600);
    EXPECT_EQ(far.run({1, true, 5}), UnattendedEnd::Done);
    ASSERT_EQ(far.results.size(), 7) << far.results.join(u'\n').toStdString();
    EXPECT_EQ(far.results[2], "drift:          -3600 s");
    EXPECT_TRUE(far.results[3].startsWith("clock set to:   2024-03-05 12:00:0"));
    EXPECT_EQ(far.results[6], "drift:          0 s");
    EXPECT_EQ(far.commands().size(), 5) << "z, H, G, H, Z";

    ClockRunRig near(5);
    EXPECT_EQ(near.run({1, true, 5}), UnattendedEnd::Done);
    EXPECT_EQ(near.results.last(), "clock not set: the drift is within 5 s");
    EXPECT_EQ(near.commands(), QList<QByteArray>({"z", "H", "Z"}));
}

TEST(UnattendedClock, RefusesUnusableSetUpFilesBeforeTouchingTheLine) {
    for (const char* missing : {"config.dat", "plant.pas", "logger.par"}) {
        ClockRunRig rig(0);
        QFile::remove(rig.folder.path(missing));
        EXPECT_EQ(rig.run({1, true, {}}), UnattendedEnd::BadSetup) << missing;
        EXPECT_EQ(rig.problems.size(), 1) << missing;
        EXPECT_TRUE(rig.port.writes().isEmpty()) << missing;
        EXPECT_FALSE(rig.folder.exists(missing)) << missing;
    }
}

TEST(UnattendedClock, ALinkFailureOrALoggerLeftStoppedSaysSoInItsExitStatus) {
    ClockRunRig silent(0);
    silent.faults().silent = true;
    EXPECT_EQ(silent.run({1, false, {}}), UnattendedEnd::LinkFailed);
    EXPECT_TRUE(silent.results.isEmpty());
    EXPECT_TRUE(silent.problems.isEmpty()) << "the link's own reports go to the reporter";
    EXPECT_EQ(silent.prompter.texts(), QStringList{link_texts::notConnected});

    // "z" and "H" answered, then nothing: the clock was read, the resume failed.
    ClockRunRig mute(0);
    mute.faults().silentAfterCommands = 2;
    EXPECT_EQ(mute.run({1, false, {}}), UnattendedEnd::NotRestarted);
    EXPECT_EQ(mute.results.size(), 3);
    EXPECT_EQ(mute.prompter.texts(), QStringList{link_texts::resumeFailed});

    ClockRunRig garbled(0);
    garbled.faults().cutRepliesTo = 6;
    EXPECT_EQ(garbled.run({1, true, {}}), UnattendedEnd::LinkFailed);
    EXPECT_EQ(garbled.problems, QStringList{"the logger did not tell its clock"});
    EXPECT_EQ(garbled.messagesBeforeLastProblem, garbled.prompter.texts().size())
        << "the failure is told after the resume's success";
    EXPECT_EQ(garbled.commands(), QList<QByteArray>({"z", "H", "Z"})) << "never set from garbage";
}

} // namespace
} // namespace korven::test
