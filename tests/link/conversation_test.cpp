#include "link/link_rig.h"
#include "link/resume_scanning.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

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

    // Only one conversation at a time; the next one starts afresh.
    EXPECT_FALSE(rig.link.startConversation());
    conversation.reset();
    rig.faults().silent = false;
    EXPECT_EQ(rig.wake(), LinkStatus::Ok);
}

// Logger 1 awake and stopped; what comes on the line during the handshake
// is `noise` a millisecond after the address byte. A wrong character read on
// its own is thrown away unless the first characters decide; a mark read
// with noise is never the answer.
TEST(Handshake, TakesOnlyALoneExclamationMarkWithinItsLimit) {
    using enum LinkStatus;
    constexpr auto First = HandshakeRules::Answer::First;
    struct Case {
        QByteArray noise;
        HandshakeRules rules;
        LinkStatus status;
        bool heard;
        qint64 minMs, maxMs;
    };
    const Case cases[] = {
        {{}, {.pause = 1, .limit = 2}, Ok, true, 1000, 2100},
        {"x", {.limit = 2}, NoAnswer, true, 2000, 3100},
        {"x", {.limit = 2, .answer = First}, WrongAnswer, true, 0, 3100},
        {"x!", {.limit = 2}, NoAnswer, true, 0, 3100},
        {"x!", {.limit = 2, .answer = First}, WrongAnswer, true, 0, 3100},
        {{}, {.limit = 5}, NoAnswer, false, 5000, 6100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        LinkRig rig;
        EXPECT_EQ(rig.wake(), Ok);
        rig.faults().silent = c.status != Ok;
        const qint64 start = rig.clock.nowMs();
        if (!c.noise.isEmpty())
            rig.clock.at(start + 1, [&] { rig.port.inject(c.noise); });
        const Handshake answer = rig.link.startConversation()->handshake(1, c.rules);
        EXPECT_EQ(answer.status, c.status);
        EXPECT_EQ(answer.heard, c.heard);
        EXPECT_EQ(rig.port.writes().last(), "\x81");
        EXPECT_GE(rig.clock.nowMs() - start, c.minMs);
        EXPECT_LE(rig.clock.nowMs() - start, c.maxMs);
    }
}

TEST(Handshake, AnAnswerThatArrivedWhileTheProgramWasBusyStillCounts) {
    LinkRig rig;
    EXPECT_EQ(rig.wake(), LinkStatus::Ok);
    // A message box held open over the wait runs its own event loop for ten
    // seconds: the "!" arrives during it, and the limit passes.
    rig.clock.at(rig.clock.nowMs(), [&] { rig.clock.runFor(10'000); });
    EXPECT_EQ(rig.link.startConversation()->handshake(1, {.limit = 2}).status, LinkStatus::Ok);
}

} // namespace
} // namespace korven::test
