#include "link/channel_sending.h"
#include "link/link_texts.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "link/transmission.h"
#include "logger_setup/logger_set_bytes.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/virtual_clock.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace korven::test {
namespace {

const QByteArray kCr("\r");
const QByteArray kLogger1("\x81");
const QByteArray kBroadcast("\x80");
const QString kResumed =
    QStringLiteral("Procedura terminata con successo\rKORVEN nr. 1 in scansione");

// Tells a test when a message is shown, so it can change the line there.
class WatchedPrompter : public ScriptedPrompter {
public:
    std::function<void(const QString&)> shown;
    void message(const QString& text, MessageIcon icon) override {
        ScriptedPrompter::message(text, icon);
        if (shown)
            shown(text);
    }
};

QList<LoggerChannelBytes> eightChannels() {
    QList<LoggerChannelBytes> channels;
    for (int n = 0; n < 8; ++n)
        channels.append(distinctLoggerChannel(n));
    return channels;
}

// A logger set-up on disk and the simulated logger (code 1) woken as the
// transmission screen leaves it in connect-only mode.
struct SendingRig {
    explicit SendingRig(const QByteArray& channelCount = "8 ") {
        writeLoggerSet(folder, eightChannels(), channelCount);
        installation.loggerSetupPath = folder.path("logger");
        port.setLineSettings(QStringLiteral("9600,n,8,2"));
    }

    sim::FaultPlan& faults() { return port.logger().faults(); }

    SendingEnd send() {
        {
            auto conversation = link.startConversation();
            EXPECT_EQ(transmit(*conversation, {1, 0, {}, true}, installation).status,
                      LinkStatus::Ok);
        }
        EXPECT_TRUE(sending.readSetup());
        sentBefore = static_cast<int>(port.writes().size());
        startedMs = clock.nowMs();
        return sending.send(1, {[this](const QString& text) { progress.append(text); },
                                [this](int channel, const QString&) { read.append(channel); }});
    }
    QList<QByteArray> writes() const { return port.writes().mid(sentBefore); }
    QList<QByteArray> commandsAfterWakeUp() { return port.logger().commands().mid(1); }

    TempFolder folder;
    VirtualClock clock;
    SimulatedPort port{clock};
    WatchedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter{prompter, labels};
    LoggerLink link{port, clock, reporter};
    Installation installation;
    ChannelSending sending{link, installation};
    QStringList progress;
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
    expected << kLogger1 << "C1\r";
    // The set-up saved acquisition and auto-sleep.
    expected << kBroadcast << "Z\r" << kBroadcast << "Y\r";
    EXPECT_EQ(rig.writes(), expected);

    ASSERT_EQ(rig.sending.commands().size(), 8);
    EXPECT_EQ(rig.sending.commands()[3].left(12), "P3SENSORE 3 ");
    EXPECT_EQ(rig.port.logger().channelCount(), 8);
    for (int channel = 0; channel < 8; ++channel) {
        EXPECT_TRUE(rig.port.logger().channelReceived(channel)) << channel;
        EXPECT_EQ(rig.port.logger().channel(channel).description,
                  distinctLoggerChannel(channel).description);
    }
    EXPECT_EQ(rig.port.logger().channel(7).inputType, 'C');
    EXPECT_EQ(rig.read, QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));

    QStringList progress{"PLEASE WAIT", "Ferma la scansione"};
    for (int channel = 0; channel < 8; ++channel)
        progress << QString() << QStringLiteral("Channel parameter sending 0%1").arg(channel);
    progress << "End of procedure";
    EXPECT_EQ(rig.progress, progress);
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.link.busy());
}

TEST(ChannelSending, TheChannelCountSaysHowManyChannelsGoOutAndNeverMoreThanEight) {
    const std::tuple<QByteArray, int, QByteArray> counts[] = {
        {"4 ", 4, "C0"}, {"8 ", 8, "C1"}, {"16", 8, "C1"}, {"  ", 8, "C1"}, {"2 ", 2, "C1"}};
    for (const auto& [stored, sent, countCommand] : counts) {
        SendingRig rig(stored);
        EXPECT_EQ(rig.send(), SendingEnd::Done);
        QList<QByteArray> commands = rig.commandsAfterWakeUp();
        EXPECT_EQ(commands.count(countCommand), 1) << stored.constData();
        const auto channelCommands =
            std::count_if(commands.begin(), commands.end(),
                          [](const QByteArray& command) { return command.startsWith('P'); });
        EXPECT_EQ(channelCommands, sent) << stored.constData();
        EXPECT_EQ(commands.first(), "z");
    }
}

TEST(ChannelSending, ASilentLoggerIsAddressedFourTimesThenReportedAndStillResumed) {
    SendingRig rig;
    // The logger answers the wake-up, then nothing more.
    rig.faults().silentAfterCommands = 1;
    EXPECT_EQ(rig.send(), SendingEnd::NotSelected);

    const QList<QByteArray> writes = rig.writes();
    EXPECT_EQ(writes.count(kLogger1), 4);
    EXPECT_EQ(writes.mid(0, 11), QList<QByteArray>({kCr, kLogger1, kCr, kCr, kLogger1, kCr, kCr,
                                                    kLogger1, kCr, kCr, kLogger1}));
    EXPECT_EQ(writes.mid(11), QList<QByteArray>{kBroadcast}) << "one try to resume the scanning";
    EXPECT_EQ(rig.progress, QStringList({"PLEASE WAIT", "Restart 0", "Restart 1", "Restart 2"}));
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected, link_texts::resumeFailed}));
    EXPECT_TRUE(rig.commandsAfterWakeUp().isEmpty());
    EXPECT_FALSE(rig.port.isOpen());
    // Every wait has its limit: the first try (up to 5 s), three restarts (up
    // to 5 s each), the resume (up to 4 s).
    EXPECT_LE(rig.clock.nowMs() - rig.startedMs, 24'000);
}

TEST(ChannelSending, AnExclamationMarkReadWithNoiseDoesNotSelectTheLogger) {
    SendingRig rig;
    rig.faults().silentAfterCommands = 1;
    rig.clock.at(rig.clock.nowMs() + 4500, [&] { rig.port.inject("x!"); });
    EXPECT_EQ(rig.send(), SendingEnd::NotSelected);
    EXPECT_TRUE(rig.progress.contains("Restart 2"));
    EXPECT_FALSE(rig.progress.contains("Ferma la scansione"));
}

TEST(ChannelSending, ALoggerLostPartWayIsReportedAndPutBackIntoScanningWhenItAnswersAgain) {
    SendingRig rig;
    // Silent once the wake-up's "z", the sending's "z" and two channels ran;
    // back when the user has been told.
    rig.faults().silentAfterCommands = 4;
    rig.prompter.shown = [&](const QString& text) {
        if (text == link_texts::notConnected)
            rig.faults().silentAfterCommands = -1;
    };
    EXPECT_EQ(rig.send(), SendingEnd::LostPartWay);
    EXPECT_EQ(rig.commandsAfterWakeUp().mid(0, 3).last().left(2), "P1");
    EXPECT_EQ(rig.commandsAfterWakeUp().mid(3), QList<QByteArray>({"Z", "Y"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected, kResumed}));
    EXPECT_FALSE(rig.progress.contains("End of procedure"));
    EXPECT_FALSE(rig.port.logger().channelReceived(2));
}

TEST(ChannelSending, ALoggerLostForGoodIsSaidNotToBeScanningAgain) {
    SendingRig rig;
    rig.faults().silentAfterCommands = 4;
    EXPECT_EQ(rig.send(), SendingEnd::LostPartWay);
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected, link_texts::resumeFailed}));
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
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_TRUE(rig.port.logger().isAcquiring());
}

TEST(ChannelSending, ASetUpThatCannotBeReadIsRefusedBeforeAnythingIsSent) {
    SendingRig rig;
    QFile::remove(rig.folder.path("logger.tmr"));
    const FileStatus status = rig.sending.readSetup();
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.error.contains("logger.tmr")) << qPrintable(status.error);
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

} // namespace
} // namespace korven::test
