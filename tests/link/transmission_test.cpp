#include "link/link_rig.h"
#include "link/link_texts.h"
#include "link/transmission.h"
#include "logger_setup/logger_setup_layouts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// A transmission to logger 1, whose logger set-up has acquisition on.
struct TransmissionRig : LinkRig {
    TransmissionRig() {
        QByteArray flags(LoggerParLayout::recordLength, '0');
        flags[LoggerParLayout::acquisitionFlag.offset] = '1';
        folder.write("set.par", flags);
        link.state().loggerNumber = 1;
    }

    TransmissionResult run(int code, const QByteArray& command = {}) {
        auto conversation = link.startConversation();
        return transmit(*conversation, {1, code, command, false}, installation);
    }

    TempFolder folder;
    Installation installation{{}, folder.path("set"), {}, {}};
};

TEST(Transmission, NoiseInTheLastBlockIsATransmissionErrorNotANumber) {
    TransmissionRig rig;
    // Reply bytes are counted from the wake-up's "!": the sixth is the first
    // digit of the block number.
    rig.faults().corruptEveryNth = 6;
    const auto result = rig.run(8);

    EXPECT_EQ(result.status, LinkStatus::BadReply);
    EXPECT_FALSE(result.lastBlock);
    EXPECT_EQ(rig.prompter.countOf(link_texts::transmissionError), 1);
}

TEST(Transmission, CutLastBlockReplyFailsTheLinkWithinItsLimit) {
    TransmissionRig rig;
    rig.faults().cutRepliesTo = 30;
    const auto result = rig.run(8);

    EXPECT_EQ(result.status, LinkStatus::NoAnswer);
    EXPECT_EQ(rig.prompter.countOf(link_texts::notConnected), 1);
    EXPECT_EQ(rig.link.state().linkFailed, 1);
    EXPECT_TRUE(rig.link.state().linkAborted);
    EXPECT_EQ(rig.link.state().statusText, "   ");
    EXPECT_LT(rig.clock.nowMs(), 15000);
}

TEST(Transmission, LoggerThatStopsAnsweringAfterWakingIsReportedOnce) {
    TransmissionRig rig;
    rig.faults().silentAfterCommands = 1;
    const auto result = rig.run(7, "H");

    EXPECT_EQ(result.status, LinkStatus::NoAnswer);
    EXPECT_EQ(rig.prompter.countOf(link_texts::notConnected), 1);
    EXPECT_EQ(rig.prompter.countOf(link_texts::resumeFailed), 1);
    EXPECT_FALSE(rig.port.isOpen());
}

} // namespace
} // namespace korven::test
