#include "link/channel_sending.h"
#include "link/link_rig.h"
#include "link/link_texts.h"
#include "logger_setup/logger_set_bytes.h"
#include "support/session_rig.h"
#include "support/temp_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

const QByteArray kCr("\r");
const QByteArray kLogger1("\x81");

// A logger set-up on disk and logger 1 woken, as the connect-only mode leaves it.
struct SendingRig : LinkRig {
    explicit SendingRig(const QByteArray& channelCount = "8 ") {
        writeLoggerSet(folder, channelCount);
        installation.loggerSetupPath = folder.path("logger");
    }

    SendingEnd send() {
        EXPECT_EQ(wake(), LinkStatus::Ok);
        EXPECT_TRUE(sending.readSetup());
        sentBefore = static_cast<int>(port.writes().size());
        startedMs = clock.nowMs();
        return sending.send(1, {[this](const QString& text) { steps.append(text); },
                                [this](int channel, const QString&) { read.append(channel); }});
    }
    QList<QByteArray> writes() const { return port.writes().mid(sentBefore); }
    QList<QByteArray> commandsAfterWakeUp() { return port.logger().commands().mid(1); }

    TempFolder folder;
    Installation installation;
    ChannelSending sending{link, installation};
    QStringList steps;
    QList<int> read;
    int sentBefore = 0;
    qint64 startedMs = 0;
};

TEST(ChannelSending, EveryChannelGoesOutAfterItsOwnAddressThenTheCountThenTheResume) {
    SendingRig rig;
    EXPECT_EQ(rig.send(), SendingEnd::Done);

    QList<QByteArray> expected{kCr, kLogger1, "z\r"};
    for (const QByteArray& command : rig.sending.commands())
        expected << kLogger1 << command + kCr;
    // The set-up saved acquisition and auto-sleep.
    expected << kLogger1 << "C1\r" << kBroadcast << "Z\r" << kBroadcast << "Y\r";
    EXPECT_EQ(rig.writes(), expected);

    for (int channel = 0; channel < 8; ++channel)
        EXPECT_EQ(rig.port.logger().channel(channel).description,
                  distinctLoggerChannel(channel).description);
    EXPECT_EQ(rig.read, QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));

    QStringList steps{"PLEASE WAIT", "Ferma la scansione"};
    for (int channel = 0; channel < 8; ++channel)
        steps << QString() << QStringLiteral("Channel parameter sending 0%1").arg(channel);
    steps << "End of procedure";
    EXPECT_EQ(rig.steps, steps);
    EXPECT_EQ(rig.prompter.texts(), QStringList{resumedText(1)});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.link.busy());
}

TEST(ChannelSending, TheChannelCountSaysHowManyChannelsGoOutAndNeverMoreThanEight) {
    const std::tuple<QByteArray, int, QByteArray> counts[] = {
        {"4 ", 4, "C0"}, {"8 ", 8, "C1"}, {"16", 8, "C1"}, {"  ", 8, "C1"}, {"2 ", 2, "C1"}};
    for (const auto& [stored, sent, countCommand] : counts) {
        SendingRig rig(stored);
        EXPECT_EQ(rig.send(), SendingEnd::Done);
        const QList<QByteArray> commands = rig.commandsAfterWakeUp();
        EXPECT_EQ(commands.count(countCommand), 1) << stored.constData();
        EXPECT_EQ(commands.size(), sent + 4) << stored.constData() << ": z, P..., C, Z, Y";
    }
}

TEST(ChannelSending, ASilentLoggerIsAddressedFourTimesThenReportedAndStillResumed) {
    SendingRig rig;
    // The logger answers the wake-up, then nothing more.
    rig.faults().silentAfterCommands = 1;
    EXPECT_EQ(rig.send(), SendingEnd::NotSelected);

    EXPECT_EQ(rig.writes(), QList<QByteArray>({kCr, kLogger1, kCr, kCr, kLogger1, kCr, kCr,
                                               kLogger1, kCr, kCr, kLogger1, kBroadcast}))
        << "four addresses, then one try to resume the scanning";
    EXPECT_EQ(rig.steps, QStringList({"PLEASE WAIT", "Restart 0", "Restart 1", "Restart 2"}));
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected, link_texts::resumeFailed}));
    EXPECT_FALSE(rig.port.isOpen());
    // The first try and three restarts up to 5 s each, the resume up to 4 s.
    EXPECT_LE(rig.clock.nowMs() - rig.startedMs, 24'000);
}

// Silent after "z", "z" and two channels; back once the user is told.
TEST(ChannelSending, ALoggerLostPartWayIsReportedAndPutBackIntoScanningIfItAnswersAgain) {
    SendingRig rig;
    rig.faults().silentAfterCommands = 4;
    rig.prompter.setWhileShown([&](const ShownPrompt& shown) {
        if (shown.text == link_texts::notConnected)
            rig.faults().silentAfterCommands = -1;
    });
    EXPECT_EQ(rig.send(), SendingEnd::LostPartWay);
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected,
                           link_texts::scanningResumed(1, ResumedLine::WithoutLogger)}));
    EXPECT_FALSE(rig.steps.contains("End of procedure"));
    EXPECT_FALSE(rig.port.logger().channelReceived(2));
    EXPECT_EQ(rig.commandsAfterWakeUp().mid(3), QList<QByteArray>({"Z", "Y"}));
}

TEST(ChannelSending, AStopEndsTheSendingAtOnceAndResumeRestartsTheScanning) {
    SendingRig rig;
    qsizetype writesAtStop = -1;
    rig.clock.at(rig.clock.nowMs() + 7000, [&] {
        rig.link.requestStop();
        writesAtStop = rig.port.writes().size();
    });
    EXPECT_EQ(rig.send(), SendingEnd::Stopped);
    EXPECT_EQ(rig.port.writes().size(), writesAtStop) << "nothing more after the stop";
    EXPECT_TRUE(rig.prompter.texts().isEmpty());
    EXPECT_FALSE(rig.port.logger().isAcquiring());

    EXPECT_EQ(rig.sending.resume(), LinkStatus::Ok);
    EXPECT_EQ(rig.prompter.texts(), QStringList{resumedText(1)});
    EXPECT_TRUE(rig.port.logger().isAcquiring());
}

// Five channels on disk for eight: the rest would go out as zero bytes.
TEST(ChannelSending, ASetUpThatCannotBeReadIsRefusedBeforeAnythingIsSent) {
    for (const qint64 records : {-1, 5}) {
        SendingRig rig;
        QFile file(rig.folder.path("logger.tmr"));
        records < 0 ? file.remove() : file.resize(records * LoggerChannelLayout::recordLength);
        const FileStatus status = rig.sending.readSetup();
        EXPECT_FALSE(status);
        EXPECT_TRUE(status.error.contains("logger.tmr")) << qPrintable(status.error);
        EXPECT_EQ(status.error.contains("holds 5 channel records"), records > 0)
            << qPrintable(status.error);
        EXPECT_TRUE(rig.port.writes().isEmpty());
    }
}

} // namespace
} // namespace korven::test
