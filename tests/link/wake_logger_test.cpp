#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/resume_scanning.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

TEST(WakeLogger, LoggerThatAnswersAtOnceIsWokenInOneCycle) {
    LinkRig rig;
    ASSERT_EQ(rig.wake(), LinkStatus::Ok);

    EXPECT_EQ(rig.port.writes(),
              QList<QByteArray>({kBurst, kBurst, kBurst, kBurst, kBurst, kBroadcast, "z\r"}));
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    // Only the first burst is followed by the short pause.
    EXPECT_EQ(rig.progress,
              QStringList({"Attesa 0", "Attesa 3", "Attesa 3", "Attesa 3", "Attesa 3"}));
    // The answer is awaited one to two seconds after the last burst.
    EXPECT_GE(rig.clock.nowMs(), 1300);
    EXPECT_LT(rig.clock.nowMs(), 3400);
}

TEST(WakeLogger, SilentLoggerFailsAfterFourCyclesWithOneMessageInVirtualTime) {
    LinkRig rig;
    rig.faults().silent = true;
    QElapsedTimer realTime;
    realTime.start();

    EXPECT_EQ(rig.wake(), LinkStatus::NoAnswer);

    EXPECT_LT(realTime.elapsed(), 500);
    EXPECT_GT(rig.clock.nowMs(), 4 * 2300);
    EXPECT_LT(rig.clock.nowMs(), 4 * 3400);
    EXPECT_EQ(rig.writesOf(kBurst), 20);
    EXPECT_EQ(rig.writesOf(kBroadcast), 4);
    EXPECT_EQ(rig.progress.last(), "Ciclo 3");
    ASSERT_EQ(rig.prompter.prompts().size(), 1);
    EXPECT_EQ(rig.prompter.prompts()[0].text, link_texts::notConnected);
    EXPECT_EQ(rig.prompter.prompts()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(rig.link.state().linkFailed, 1);
    EXPECT_TRUE(rig.link.state().linkAborted);
    EXPECT_EQ(rig.link.state().statusText, "   ");
    // The port stays open and the fast ticks are off again.
    EXPECT_TRUE(rig.port.isOpen());
    rig.clock.pump();
    rig.clock.pump();
    EXPECT_EQ(rig.clock.fastTicks(), 0);
}

// More than ten characters of noise after the address byte: no answer is read.
TEST(WakeLogger, AWrongCharacterOrNoiseIsNoAnswerAndTheNextCycleCanSucceed) {
    LinkRig wrong;
    wrong.faults().handshakeReply = '?';
    wrong.clock.at(2500, [&] { wrong.faults().handshakeReply.reset(); });
    EXPECT_EQ(wrong.wake(), LinkStatus::Ok);
    EXPECT_EQ(wrong.writesOf(kBroadcast), 2);
    EXPECT_EQ(wrong.port.writes().last(), "z\r");
    EXPECT_TRUE(wrong.prompter.prompts().isEmpty());

    LinkRig noise;
    noise.clock.at(2001, [&] { noise.port.inject(QByteArray(11, 'x')); });
    EXPECT_NE(noise.wake(), LinkStatus::Ok);
    EXPECT_GT(noise.writesOf(kBroadcast), 1);
    EXPECT_FALSE(noise.port.writes().contains("z\r"));
}

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

// `noise` comes a millisecond after the address byte: a wrong character is
// dropped unless the first one decides; a mark read with noise is no answer.
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
    // A message box's event loop runs ten seconds: the "!" comes and the limit passes.
    rig.clock.at(rig.clock.nowMs(), [&] { rig.clock.runFor(10'000); });
    EXPECT_EQ(rig.link.startConversation()->handshake(1, {.limit = 2}).status, LinkStatus::Ok);
}

} // namespace
} // namespace korven::test
