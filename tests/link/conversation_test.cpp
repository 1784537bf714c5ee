#include "link/link_rig.h"
#include "link/resume_scanning.h"
#include "link/wake_logger.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A rig whose logger is awake and stopped, as after a wake-up.
struct AwakeRig : LinkRig {
    AwakeRig() {
        auto conversation = link.startConversation();
        EXPECT_EQ(wakeLogger(*conversation), LinkStatus::Ok);
        progress.clear();
    }

    Handshake handshake(const HandshakeRules& rules) {
        return link.startConversation()->handshake(1, rules);
    }
    void injectAt(qint64 ms, const QByteArray& noise) {
        clock.at(clock.nowMs() + ms, [this, noise] { port.inject(noise); });
    }
};

TEST(Conversation, StopEndsTheWakeUpAtOnceAndNothingMoreIsSent) {
    LinkRig rig;
    rig.faults().silent = true;
    rig.clock.at(1500, [&] { rig.link.requestStop(); });
    auto conversation = rig.link.startConversation();

    EXPECT_EQ(wakeLogger(*conversation), LinkStatus::Stopped);
    EXPECT_LE(rig.clock.nowMs(), 1500);
    const auto writes = rig.port.writes();
    conversation->sendCommand("Z");
    Record par(39);
    EXPECT_EQ(resumeScanning(*conversation, {}, par), LinkStatus::Stopped);
    EXPECT_EQ(rig.port.writes(), writes);
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    EXPECT_TRUE(rig.link.state().linkAborted);

    // The next conversation starts afresh.
    conversation.reset();
    rig.faults().silent = false;
    auto again = rig.link.startConversation();
    EXPECT_EQ(wakeLogger(*again), LinkStatus::Ok);
}

TEST(Conversation, OnlyOneConversationAtATime) {
    LinkRig rig;
    auto first = rig.link.startConversation();
    ASSERT_TRUE(first);
    EXPECT_FALSE(rig.link.startConversation());
    first.reset();
    EXPECT_TRUE(rig.link.startConversation());
}

TEST(Handshake, TakesExactlyTheExclamationMarkAfterItsPause) {
    AwakeRig rig;
    const qint64 start = rig.clock.nowMs();
    const Handshake answer = rig.handshake({.pause = 1, .limit = 2});
    EXPECT_EQ(answer.status, LinkStatus::Ok);
    EXPECT_EQ(rig.port.writes().last(), "\x81");
    EXPECT_GE(rig.clock.nowMs() - start, 1000);
    EXPECT_LE(rig.clock.nowMs() - start, 2100);
}

TEST(Handshake, AWrongCharacterIsThrownAwayOrDecidesAsTheRulesSay) {
    {
        // Read on its own, "x" is thrown away and the wait goes on to its limit.
        AwakeRig rig;
        rig.faults().silent = true;
        rig.injectAt(1, "x");
        const qint64 start = rig.clock.nowMs();
        const Handshake answer = rig.handshake({.limit = 2});
        EXPECT_EQ(answer.status, LinkStatus::NoAnswer);
        EXPECT_TRUE(answer.heard);
        EXPECT_GE(rig.clock.nowMs() - start, 2000);
        EXPECT_LE(rig.clock.nowMs() - start, 3100);
    }
    {
        // When the first characters decide, "x" is a wrong answer at once.
        AwakeRig rig;
        rig.faults().silent = true;
        rig.injectAt(1, "x");
        const Handshake answer =
            rig.handshake({.limit = 2, .answer = HandshakeRules::Answer::First});
        EXPECT_EQ(answer.status, LinkStatus::WrongAnswer);
    }
}

TEST(Handshake, AnExclamationMarkReadWithNoiseIsNotTheAnswer) {
    for (const auto answerRule : {HandshakeRules::Answer::Exact, HandshakeRules::Answer::First}) {
        AwakeRig rig;
        rig.faults().silent = true;
        rig.injectAt(1, "x!");
        const Handshake answer = rig.handshake({.limit = 2, .answer = answerRule});
        EXPECT_NE(answer.status, LinkStatus::Ok);
        EXPECT_TRUE(answer.heard);
    }
}

TEST(Handshake, SilenceEndsAtTheLimitHavingHeardNothing) {
    AwakeRig rig;
    rig.faults().silent = true;
    const qint64 start = rig.clock.nowMs();
    const Handshake answer = rig.handshake({.limit = 5});
    EXPECT_EQ(answer.status, LinkStatus::NoAnswer);
    EXPECT_FALSE(answer.heard);
    EXPECT_GE(rig.clock.nowMs() - start, 5000);
    EXPECT_LE(rig.clock.nowMs() - start, 6100);
}

TEST(Handshake, AnAnswerThatArrivedWhileTheProgramWasBusyStillCounts) {
    AwakeRig rig;
    // A message box held open over the wait runs its own event loop for ten
    // seconds: the "!" arrives during it, and the limit passes.
    rig.clock.at(rig.clock.nowMs(), [&] { rig.clock.runFor(10'000); });
    EXPECT_EQ(rig.handshake({.limit = 2}).status, LinkStatus::Ok);
}

} // namespace
} // namespace korven::test
