#include "link/link_texts.h"
#include "link_rig.h"
#include "logger_setup/logger_setup_layouts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// An awake, stopped logger and a logger set-up whose saved flags are given.
struct ResumeRig : LinkRig {
    ResumeRig() {
        auto conversation = link.startConversation();
        EXPECT_EQ(conversation->wakeLogger(), LinkStatus::Ok);
        link.state().loggerNumber = 3;
    }

    void saveFlags(char acquisition, char autosleep) {
        QByteArray par(LoggerParLayout::recordLength, ' ');
        par[LoggerParLayout::acquisitionFlag.offset] = acquisition;
        par[LoggerParLayout::sleepFlag.offset] = autosleep;
        folder.write("set.par", par);
    }

    LinkStatus resume() {
        sentBefore = static_cast<int>(port.writes().size());
        return link.startConversation()->resumeScanning(folder.path("set"), par);
    }

    QList<QByteArray> resumeWrites() const { return port.writes().mid(sentBefore); }

    TempFolder folder;
    Record par{LoggerParLayout::recordLength};
    int sentBefore = 0;
};

const QString kDone = QStringLiteral("Procedura terminata con successo\rKORVEN nr. 3 in scansione");

TEST(ResumeScanning, AcquisitionOnRestartsScanning) {
    ResumeRig rig;
    rig.saveFlags('1', '0');

    EXPECT_EQ(rig.resume(), LinkStatus::Ok);
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>({kBroadcast, "Z\r"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{kDone});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.port.logger().isAwake());
    // The flags were read into the shared in-memory record.
    EXPECT_EQ(rig.par.text(LoggerParLayout::acquisitionFlag), "1");
}

TEST(ResumeScanning, AutosleepSendsSleepAfterASecondHandshake) {
    ResumeRig rig;
    rig.saveFlags('0', '1');

    EXPECT_EQ(rig.resume(), LinkStatus::Ok);
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>({kBroadcast, "z\r", kBroadcast, "Y\r"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{kDone});
}

TEST(ResumeScanning, MissingFlagsLeaveTheLoggerStopped) {
    ResumeRig rig;

    EXPECT_EQ(rig.resume(), LinkStatus::Ok);
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>({kBroadcast, "z\r"}));
    EXPECT_TRUE(rig.port.logger().isAwake());
}

TEST(ResumeScanning, SilentLoggerIsReportedAndThePortClosed) {
    ResumeRig rig;
    rig.saveFlags('1', '1');
    rig.faults().silent = true;

    EXPECT_EQ(rig.resume(), LinkStatus::NoAnswer);
    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::resumeFailed});
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>{kBroadcast});
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(ResumeScanning, WrongAnswerAsksToCheckTheLogger) {
    ResumeRig rig;
    rig.saveFlags('1', '0');
    rig.faults().handshakeReply = '?';

    EXPECT_EQ(rig.resume(), LinkStatus::BadReply);
    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::resumeRefused});
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>{kBroadcast});
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(ResumeScanning, NoAnswerToTheSleepHandshakeIsReported) {
    ResumeRig rig;
    rig.saveFlags('0', '1');
    rig.faults().silentAfterCommands = 2; // "z" of the wake-up, "z" of the resume

    EXPECT_EQ(rig.resume(), LinkStatus::NoAnswer);
    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::resumeFailed});
    EXPECT_EQ(rig.resumeWrites(), QList<QByteArray>({kBroadcast, "z\r", kBroadcast}));
}

} // namespace
} // namespace korven::test
