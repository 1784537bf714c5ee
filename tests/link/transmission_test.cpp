#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/transmission.h"
#include "logger_setup/logger_setup_layouts.h"
#include "support/session_rig.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A transmission over a line whose logger set-up has acquisition `flag`.
TransmissionResult transmitTo(LinkRig& rig, int loggerNumber, const TransmissionOrder& order,
                              char flag = '0') {
    TempFolder folder;
    QByteArray par(LoggerParLayout::recordLength, '0');
    par[LoggerParLayout::acquisitionFlag.offset] = flag;
    folder.write("set.par", par);
    Installation installation{{}, folder.path("set"), {}, {}};
    auto conversation = rig.link.startConversation();
    return transmit(*conversation, {loggerNumber, order}, installation);
}

// One report of the failure, then the resume's, and the port closed.
TEST(Transmission, ADamagedOrMissingReplyIsReportedOnceAndFailsTheLink) {
    struct Case {
        sim::FaultPlan fault;
        TransmissionOrder order;
        LinkStatus status;
        QString told, resumed;
        int linkFailed;
    };
    using enum LinkStatus;
    const QString damaged = link_texts::transmissionError;
    const QString silent = link_texts::notConnected;
    const TransmissionOrder lastBlock = TransmissionOrder::readLastBlock();
    const TransmissionOrder clock = TransmissionOrder::readClock();
    const Case cases[] = {
        // The sixth byte from the wake-up's "!" is the block number's first digit.
        {{.corruptEveryNth = 6}, lastBlock, BadReply, damaged, resumedText(1), 0},
        {{.cutRepliesTo = 30}, lastBlock, NoAnswer, silent, resumedText(1), 1},
        {{.silentAfterCommands = 1}, clock, NoAnswer, silent, link_texts::resumeFailed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        LinkRig rig;
        rig.faults() = c.fault;
        const TransmissionResult result = transmitTo(rig, 1, c.order, '1');
        EXPECT_EQ(result.status, c.status);
        EXPECT_FALSE(result.lastBlock);
        EXPECT_EQ(rig.prompter.texts(), QStringList({c.told, c.resumed}));
        EXPECT_EQ(rig.link.state().linkFailed, c.linkFailed);
        EXPECT_LT(rig.clock.nowMs(), 15000);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

// The broadcast wake-up stopped the whole line, so it scans again, but the
// logger that never answered is not called scanning.
TEST(Transmission, ALoggerCodeThatNeverAnswersIsNotReportedScanning) {
    for (const TransmissionOrder& order :
         {TransmissionOrder::setScan(7, 0), TransmissionOrder::readClock(),
          TransmissionOrder::readLastBlock()}) {
        SCOPED_TRACE(static_cast<int>(order.operation()));
        LinkRig rig;
        EXPECT_EQ(transmitTo(rig, 5, order).status, LinkStatus::NoAnswer);
        EXPECT_EQ(rig.prompter.texts(),
                  QStringList({link_texts::notConnected,
                               link_texts::scanningResumed(5, ResumedLine::WithoutLogger)}));
        EXPECT_FALSE(rig.port.logger().commands().contains("M70"));
        EXPECT_EQ(rig.port.logger().commands().last(), "z") << "the line scans again";
    }
}

} // namespace
} // namespace korven::test
