#include "link/clock_drift.h"
#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/logger_clock.h"
#include "link/screens/screen_rig.h"
#include "link/unattended_clock.h"
#include "link/wake_logger.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// Logger 1 awake, its clock `aheadSeconds` from the computer's.
struct ClockRig : LinkRig {
    explicit ClockRig(qint64 aheadSeconds, int baud = 9600)
        : LinkRig(loggerClockAhead(aheadSeconds)) {
        port.setLineSettings(QStringLiteral("%1,n,8,2").arg(baud));
        link.state().loggerNumber = 1;
        conversation.emplace(std::move(*link.startConversation()));
        EXPECT_EQ(wakeLogger(*conversation), LinkStatus::Ok);
    }

    std::optional<Conversation> conversation;
};

TEST(LoggerClock, ADamagedReplyIsATransmissionErrorAndSilenceIsNoConnection) {
    using sim::FaultPlan;
    const QString damaged = link_texts::transmissionError;
    const std::tuple<FaultPlan, LinkStatus, QString> cases[] = {
        {FaultPlan{.cutRepliesTo = 1}, LinkStatus::BadReply, damaged},
        {FaultPlan{.cutRepliesTo = 6}, LinkStatus::BadReply, damaged},
        {FaultPlan{.cutRepliesTo = 12}, LinkStatus::BadReply, damaged},
        {FaultPlan{.corruptEveryNthReply = 1}, LinkStatus::BadReply, damaged},
        {FaultPlan{.silentAfterCommands = 1}, LinkStatus::NoAnswer, link_texts::notConnected},
    };
    for (const auto& [fault, status, told] : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&fault - &std::get<0>(cases[0])));
        ClockRig rig(0);
        rig.faults() = fault;
        const ClockQuery query = requestClock(*rig.conversation);
        EXPECT_EQ(query.status, status);
        EXPECT_FALSE(query.reading);
        EXPECT_EQ(rig.prompter.texts(), QStringList{told});
    }
}

// The "G" arrives as the computer's clock turns to its second: the simulated
// logger, taking it at once, is ahead by the command's line time.
TEST(LoggerClock, IsReadWithItsDriftAndSetToTheComputersClockAtTheCommandsArrival) {
    for (const auto& [baud, ahead, lineMs] :
         {std::tuple{9600, 3600, 16}, std::tuple{2400, -90, 64}}) {
        SCOPED_TRACE(baud);
        ClockRig rig(ahead, baud);
        const ClockQuery before = requestClock(*rig.conversation);
        ASSERT_TRUE(before.reading);
        EXPECT_EQ(driftSeconds(*before.reading), ahead);
        EXPECT_EQ(before.reading->logger.moment.date(), QDate(2024, 3, 5));
        EXPECT_LE(qAbs(before.reading->computer.msecsTo(rig.clock.now())), 100);
        EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "H"}));
        EXPECT_TRUE(rig.prompter.prompts().isEmpty());

        const ClockSetting setting = setClockToComputer(*rig.conversation);
        ASSERT_EQ(setting.status, LinkStatus::Ok);
        EXPECT_EQ(setting.moment.time().msec(), 0);
        EXPECT_EQ(rig.port.logger().commands().last(),
                  "G" + setting.moment.toString("yyMMddHHmmss").toLatin1());
        EXPECT_EQ(rig.clock.now().msecsTo(rig.port.logger().clock()), lineMs);
        const ClockQuery after = requestClock(*rig.conversation);
        ASSERT_TRUE(after.reading);
        EXPECT_EQ(driftSeconds(*after.reading), 0);
    }
}

// Whole seconds from the middle of the logger's second; told in seconds,
// minutes or hours.
TEST(ClockDrift, CountsWholeSecondsAndIsToldInSecondsMinutesOrHours) {
    const QDateTime noon(QDate(2024, 3, 5), QTime(12, 0, 0));
    const auto drift = [&](int loggerSeconds, int computerMs) {
        return driftSeconds({{{}, {}, noon.addSecs(loggerSeconds)}, noon.addMSecs(computerMs)});
    };
    EXPECT_EQ(drift(0, 0), 0);
    EXPECT_EQ(drift(0, 999), 0);
    EXPECT_EQ(drift(12, 300), 12);
    EXPECT_EQ(drift(-5, 900), -5);
    EXPECT_EQ(drift(0, 1700), -1);
    EXPECT_EQ(driftSeconds({{}, noon}), std::nullopt) << "a logger date that is no date";

    const std::pair<qint64, const char*> texts[] = {
        {12, "+12 s"},     {0, "0 s"},          {-119, "-119 s"}, {120, "+2 min"},
        {3600, "+60 min"}, {-7199, "-119 min"}, {7200, "+2 h"},   {-93600, "-26 h"}};
    for (const auto& [seconds, text] : texts)
        EXPECT_EQ(driftText(seconds), QStringLiteral("Scarto: ") + QLatin1String(text));
}

// "config.dat" naming the set-up files; logger 1's clock `aheadSeconds` ahead.
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

// korvenctl's stop signal once the logger is stopped lets the run finish.
TEST(UnattendedClock, TellsBothClocksAndTheDriftAndLeavesTheLoggerScanningThroughAStop) {
    ClockRunRig rig(3600);
    rig.port.logger().setEventSink([&rig](sim::EventTopic, const QByteArray& text) {
        if (text == "command z")
            rig.clock.requestStop();
    });
    EXPECT_EQ(rig.run({1, false, {}}), UnattendedEnd::Done);

    ASSERT_EQ(rig.results.size(), 3) << rig.results.join(u'\n').toStdString();
    EXPECT_TRUE(rig.results[0].startsWith("logger clock:   2024-03-05 13:00:0"));
    EXPECT_TRUE(rig.results[1].startsWith("computer clock: 2024-03-05 12:00:0"));
    EXPECT_EQ(rig.results[2], "drift:          +3600 s");
    EXPECT_EQ(rig.commands(), QList<QByteArray>({"z", "H", "Z"}));
    EXPECT_TRUE(rig.port.writes().contains(QByteArray("\x81")));
    EXPECT_TRUE(rig.problems.isEmpty());
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
