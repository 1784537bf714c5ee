#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/transmission.h"
#include "logger_setup/logger_setup_layouts.h"
#include "support/session_rig.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A transmission to logger 1, whose logger set-up has acquisition on, when
// its reply is damaged or stops: one report, then the resume's, within the
// limit, the port closed.
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
    const QString resumed = resumedText(1);
    const TransmissionOrder lastBlock = TransmissionOrder::readLastBlock();
    const TransmissionOrder clock = TransmissionOrder::readClock();
    const Case cases[] = {
        // Reply bytes are counted from the wake-up's "!": the sixth is the
        // first digit of the block number.
        {{.corruptEveryNth = 6}, lastBlock, BadReply, damaged, resumed, 0},
        {{.cutRepliesTo = 30}, lastBlock, NoAnswer, silent, resumed, 1},
        {{.silentAfterCommands = 1}, clock, NoAnswer, silent, link_texts::resumeFailed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        LinkRig rig;
        TempFolder folder;
        QByteArray flags(LoggerParLayout::recordLength, '0');
        flags[LoggerParLayout::acquisitionFlag.offset] = '1';
        folder.write("set.par", flags);
        rig.link.state().loggerNumber = 1;
        rig.faults() = c.fault;
        Installation installation{{}, folder.path("set"), {}, {}};
        auto conversation = rig.link.startConversation();
        const auto result = transmit(*conversation, {1, c.order}, installation);
        conversation.reset();

        EXPECT_EQ(result.status, c.status);
        EXPECT_FALSE(result.lastBlock);
        EXPECT_EQ(rig.prompter.texts(), QStringList({c.told, c.resumed}));
        EXPECT_EQ(rig.link.state().linkFailed, c.linkFailed);
        EXPECT_LT(rig.clock.nowMs(), 15000);
        EXPECT_FALSE(rig.port.isOpen());
    }
}

// The line wakes with the broadcast address, so a code no logger on it has
// still stops them all: the line goes back to scanning, but the user is told
// that the logger named did not answer, not that it scans.
TEST(Transmission, ALoggerCodeThatNeverAnswersIsNotReportedScanning) {
    const TransmissionOrder orders[] = {TransmissionOrder::setScan(7, 0),
                                        TransmissionOrder::readClock(),
                                        TransmissionOrder::readLastBlock()};
    for (const TransmissionOrder& order : orders) {
        SCOPED_TRACE(static_cast<int>(order.operation()));
        LinkRig rig;
        TempFolder folder;
        folder.write("set.par", QByteArray(LoggerParLayout::recordLength, '0'));
        Installation installation{{}, folder.path("set"), {}, {}};
        auto conversation = rig.link.startConversation();
        const auto result = transmit(*conversation, {5, order}, installation);
        conversation.reset();

        EXPECT_EQ(result.status, LinkStatus::NoAnswer);
        EXPECT_EQ(rig.prompter.texts(),
                  QStringList({link_texts::notConnected,
                               link_texts::scanningResumed(5, ResumedLine::WithoutLogger)}));
        EXPECT_FALSE(rig.port.logger().commands().contains("M70"));
        EXPECT_EQ(rig.port.logger().commands().last(), "z") << "the line scans again";
    }
}

} // namespace
} // namespace korven::test
