#include "link_rig.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A rig whose logger is awake and stopped, as after a wake-up.
struct AwakeRig : LinkRig {
    AwakeRig() {
        auto conversation = link.startConversation();
        EXPECT_EQ(conversation->wakeLogger(), LinkStatus::Ok);
        progress.clear();
    }
};

TEST(Conversation, StopEndsTheWakeUpAtOnceAndNothingMoreIsSent) {
    LinkRig rig;
    rig.faults().silent = true;
    rig.clock.at(1500, [&] { rig.link.requestStop(); });
    auto conversation = rig.link.startConversation();

    EXPECT_EQ(conversation->wakeLogger(), LinkStatus::Stopped);
    EXPECT_LE(rig.clock.nowMs(), 1500);
    const auto writes = rig.port.writes();
    conversation->sendCommand("Z");
    Record par(39);
    EXPECT_EQ(conversation->resumeScanning({}, par), LinkStatus::Stopped);
    EXPECT_EQ(rig.port.writes(), writes);
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    EXPECT_TRUE(rig.link.state().linkAborted);

    // The next conversation starts afresh.
    conversation.reset();
    rig.faults().silent = false;
    EXPECT_EQ(rig.link.startConversation()->wakeLogger(), LinkStatus::Ok);
}

TEST(Conversation, HandshakePausesThenWaitsForExactlyTheExclamationMark) {
    AwakeRig rig;
    auto conversation = rig.link.startConversation();
    qint64 start = rig.clock.nowMs();
    ASSERT_EQ(conversation->addressHandshake(1, 1, 2), LinkStatus::Ok);
    EXPECT_EQ(rig.port.writes().last(), "\x81");
    EXPECT_GE(rig.clock.nowMs() - start, 1000);
    EXPECT_LE(rig.clock.nowMs() - start, 2100);

    // "!" read together with noise is thrown away with it.
    rig.clock.at(rig.clock.nowMs() + 1, [&] { rig.port.inject("x"); });
    start = rig.clock.nowMs();
    EXPECT_EQ(conversation->addressHandshake(1, 0, 2), LinkStatus::NoAnswer);
    EXPECT_GE(rig.clock.nowMs() - start, 2000);
    EXPECT_LE(rig.clock.nowMs() - start, 4000);
}

} // namespace
} // namespace korven::test
