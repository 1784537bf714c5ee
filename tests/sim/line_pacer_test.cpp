#include "sim/line_pacer.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

using namespace std::chrono_literals;
using Clock = LinePacer::Clock;

const Clock::time_point kStart = Clock::time_point{} + 1h;

TEST(LinePacer, UnpacedReplyLeavesWholeWhenDue) {
    LinePacer pacer;
    pacer.schedule("hello", kStart + 20ms, 0ns);
    EXPECT_EQ(pacer.nextDue(), kStart + 20ms);
    EXPECT_EQ(pacer.takeDue(kStart + 19ms), "");
    EXPECT_EQ(pacer.takeDue(kStart + 20ms), "hello");
    EXPECT_EQ(pacer.nextDue(), std::nullopt);
}

TEST(LinePacer, PacedCharactersLeaveOneCharacterTimeApart) {
    LinePacer pacer;
    pacer.schedule("abcdef", kStart, 1ms);
    EXPECT_EQ(pacer.takeDue(kStart), "a");
    EXPECT_EQ(pacer.nextDue(), kStart + 1ms);
    EXPECT_EQ(pacer.takeDue(kStart + 1ms - 1ns), "");
    EXPECT_EQ(pacer.takeDue(kStart + 3ms + 500us), "bcd");
    EXPECT_EQ(pacer.nextDue(), kStart + 4ms);
    EXPECT_EQ(pacer.takeDue(kStart + 1s), "ef");
    EXPECT_EQ(pacer.nextDue(), std::nullopt);
}

TEST(LinePacer, ALaterReplyWaitsForTheLineToBeFree) {
    LinePacer pacer;
    pacer.schedule("abcd", kStart, 1ms);
    pacer.schedule("!", kStart + 1ms, 1ms);
    EXPECT_EQ(pacer.takeDue(kStart + 3ms), "abcd");
    EXPECT_EQ(pacer.nextDue(), kStart + 4ms);
    EXPECT_EQ(pacer.takeDue(kStart + 4ms), "!");
}

} // namespace
} // namespace korven::sim::test
