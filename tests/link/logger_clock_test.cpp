#include "link/clock_drift.h"
#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/logger_clock.h"
#include "link/wake_logger.h"
#include "support/session_rig.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// Logger 1, awake, its clock `aheadSeconds` from the computer's, over a line
// of `baud`.
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

TEST(LoggerClock, IsReadWithTheDriftFromTheComputersClock) {
    for (const qint64 ahead : {12LL, -90LL, 3600LL, 0LL}) {
        ClockRig rig(ahead);
        const ClockQuery query = requestClock(*rig.conversation);
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

// The "G" leaves so that it would arrive just as the computer's clock turns
// to the second it carries: the simulated logger, which takes it at once, is
// ahead by exactly the command's time on a real line.
TEST(LoggerClock, IsSetToTheComputersClockAtTheCommandsArrival) {
    for (const auto& [baud, lineMs] : {std::pair{9600, 16}, std::pair{2400, 64}}) {
        ClockRig rig(3600, baud);
        const ClockSetting setting = setClockToComputer(*rig.conversation);
        ASSERT_EQ(setting.status, LinkStatus::Ok);
        EXPECT_EQ(setting.moment.time().msec(), 0);
        EXPECT_EQ(rig.port.logger().commands().last(),
                  "G" + setting.moment.toString("yyMMddHHmmss").toLatin1());
        EXPECT_EQ(rig.clock.now().msecsTo(rig.port.logger().clock()), lineMs) << baud;
        const ClockQuery again = requestClock(*rig.conversation);
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
    const std::pair<qint64, const char*> texts[] = {
        {12, "+12 s"},     {0, "0 s"},          {-119, "-119 s"}, {120, "+2 min"},
        {3600, "+60 min"}, {-7199, "-119 min"}, {7200, "+2 h"},   {-93600, "-26 h"}};
    for (const auto& [seconds, text] : texts)
        EXPECT_EQ(driftText(seconds), QStringLiteral("Scarto: ") + QLatin1String(text));
}

} // namespace
} // namespace korven::test
