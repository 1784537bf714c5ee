#include "brain_driver.h"

#include <gtest/gtest.h>

namespace korven::sim::test {
namespace {

// Each fault the program's tests use, seen on two clock requests after a
// wake-up: "!" and "240305123000\r" each, as sent.
TEST(BrainFaults, EachFaultSpoilsTheLineAsItSays) {
    const QByteArray whole = "!240305123000\r";
    struct Case {
        FaultPlan plan;
        QByteArray heard;
    };
    const Case cases[] = {
        {{}, whole + whole},
        {{.silent = true}, ""},
        {{.neverWakes = true}, ""},
        {{.handshakeReply = '?'}, "?240305123000\r?240305123000\r"},
        {{.corruptEveryNth = 6}, "!2403x51230x0\r!24x30512x000\r"},
        {{.corruptEveryNthReply = 2}, whole + "!240305x23000\r"},
        {{.cutRepliesTo = 5}, "!24030!24030"},
        {{.silentAfterCommands = 1}, whole},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heard.constData());
        BrainDriver logger;
        logger.brain.faults() = c.plan;
        EXPECT_EQ(logger.send(QByteArray(200, '\xFF') + "\x80H\r\x80H\r"), c.heard);
    }
}

} // namespace
} // namespace korven::sim::test
