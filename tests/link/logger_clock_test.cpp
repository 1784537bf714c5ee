#include "link/clock_drift.h"
#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/logger_clock.h"
#include "link/wake_logger.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// Logger 1, awake, its clock `aheadSeconds` from the computer's, over a line
// of `baud`.
struct ClockRig : LinkRig {
    explicit ClockRig(qint64 aheadSeconds, int baud = 9600) : LinkRig(loggerAhead(aheadSeconds)) {
        port.setLineSettings(QStringLiteral("%1,n,8,2").arg(baud));
        link.state().loggerNumber = 1;
    }

    static sim::LoggerConfig loggerAhead(qint64 seconds) {
        sim::LoggerConfig config;
        config.clockStart = VirtualClock::start().addSecs(seconds);
        return config;
    }

    Conversation wake() {
        std::optional<Conversation> conversation = link.startConversation();
        EXPECT_EQ(wakeLogger(*conversation), LinkStatus::Ok);
        return std::move(*conversation);
    }
    // Milliseconds the simulated logger's clock is ahead of the computer's.
    qint64 loggerAheadMs() { return clock.now().msecsTo(port.logger().clock()); }
};

TEST(LoggerClock, IsReadWithTheDriftFromTheComputersClock) {
    for (const qint64 ahead : {12LL, -90LL, 3600LL, 0LL}) {
        ClockRig rig(ahead);
        Conversation conversation = rig.wake();
        const ClockQuery query = requestClock(conversation);

        ASSERT_EQ(query.status, LinkStatus::Ok);
        ASSERT_TRUE(query.reading);
        EXPECT_EQ(driftSeconds(*query.reading), ahead);
        EXPECT_EQ(query.reading->logger.moment.date(), QDate(2024, 3, 5));
        EXPECT_LE(qAbs(query.reading->computer.msecsTo(rig.clock.now())), 100);
        EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "H"}));
        EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    }
}

// A reply cut or garbled is never taken for a date; silence is a logger not
// connected.
TEST(LoggerClock, ADamagedReplyIsATransmissionErrorAndSilenceIsNoConnection) {
    for (const int cutTo : {1, 6, 12}) {
        ClockRig rig(0);
        Conversation conversation = rig.wake();
        rig.faults().cutRepliesTo = cutTo;
        const ClockQuery query = requestClock(conversation);
        EXPECT_EQ(query.status, LinkStatus::BadReply) << cutTo;
        EXPECT_FALSE(query.reading);
        EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::transmissionError}) << cutTo;
    }
    {
        ClockRig rig(0);
        Conversation conversation = rig.wake();
        rig.faults().corruptEveryNthReply = 1;
        EXPECT_EQ(requestClock(conversation).status, LinkStatus::BadReply);
        EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::transmissionError});
    }
    ClockRig rig(0);
    Conversation conversation = rig.wake();
    rig.faults().silentAfterCommands = 1;
    EXPECT_EQ(requestClock(conversation).status, LinkStatus::NoAnswer);
    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::notConnected});
}

// The "G" leaves so that it would arrive just as the computer's clock turns
// to the second it carries: the simulated logger, which takes it at once, is
// ahead by exactly the command's time on a real line.
TEST(LoggerClock, IsSetToTheComputersClockAtTheCommandsArrival) {
    for (const auto& [baud, lineMs] : {std::pair{9600, 16}, std::pair{2400, 64}}) {
        ClockRig rig(3600, baud);
        Conversation conversation = rig.wake();
        const ClockSetting setting = setClockToComputer(conversation);

        ASSERT_EQ(setting.status, LinkStatus::Ok);
        EXPECT_EQ(setting.moment.time().msec(), 0);
        EXPECT_EQ(rig.port.logger().commands().last(),
                  "G" + setting.moment.toString("yyMMddHHmmss").toLatin1());
        EXPECT_EQ(rig.loggerAheadMs(), lineMs) << baud;

        const ClockQuery again = requestClock(conversation);
        ASSERT_TRUE(again.reading);
        EXPECT_EQ(driftSeconds(*again.reading), 0);
    }
}

TEST(ClockDrift, CountsWholeSecondsFromTheMiddleOfTheLoggersSecond) {
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
}

TEST(ClockDrift, IsToldInSecondsMinutesOrHours) {
    EXPECT_EQ(driftText(12), "Scarto: +12 s");
    EXPECT_EQ(driftText(0), "Scarto: 0 s");
    EXPECT_EQ(driftText(-119), "Scarto: -119 s");
    EXPECT_EQ(driftText(120), "Scarto: +2 min");
    EXPECT_EQ(driftText(3600), "Scarto: +60 min");
    EXPECT_EQ(driftText(-7199), "Scarto: -119 min");
    EXPECT_EQ(driftText(7200), "Scarto: +2 h");
    EXPECT_EQ(driftText(-93600), "Scarto: -26 h");
}

} // namespace
} // namespace korven::test
