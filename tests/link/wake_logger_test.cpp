#include "link/link_rig.h"
#include "link/link_texts.h"

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
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>{"z"});
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

TEST(WakeLogger, WrongCharacterStartsNewCycleThatCanSucceed) {
    LinkRig rig;
    rig.faults().handshakeReply = '?';
    rig.clock.at(2500, [&] { rig.faults().handshakeReply.reset(); });
    EXPECT_EQ(rig.wake(), LinkStatus::Ok);
    EXPECT_EQ(rig.writesOf(kBroadcast), 2);
    EXPECT_EQ(rig.port.writes().last(), "z\r");
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
}

TEST(WakeLogger, MoreThanTenWaitingCharactersAreNotTakenForAnAnswer) {
    LinkRig rig;
    // Line noise lands right after the address byte, before the "!".
    rig.clock.at(2001, [&] { rig.port.inject(QByteArray(11, 'x')); });
    EXPECT_NE(rig.wake(), LinkStatus::Ok);
    // The first cycle waited for its time-out instead of reading.
    EXPECT_GT(rig.writesOf(kBroadcast), 1);
    EXPECT_FALSE(rig.port.writes().contains("z\r"));
}

} // namespace
} // namespace korven::test
