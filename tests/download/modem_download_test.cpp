// korvenctl's download through the modem: the call, and the hang-up whatever happened.
#include "download/unattended_rig.h"
#include "link/modem/modem_texts.h"
#include "link/modem/unattended_modem.h"
#include "support/modem_identity.h"
#include "support/recording_modem_reporter.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::ModemIdentity;

// The test installation with a modem, set up in the identity file, before the logger.
struct ModemDownloadRig : UnattendedRig {
    ModemDownloadRig() {
        folder.write("plant.pas", ModemIdentity{}.bytes());
        port.putModemInFront({});
        writeDownloadPointer(590);
    }

    using Job = std::function<UnattendedEnd(SerialPort& line, LinkReporter& reporter)>;

    // Runs `job` through the call; by default korvenctl's automatic download.
    UnattendedEnd runCall(Job job = {}) {
        if (!job)
            job = [this](SerialPort& line, LinkReporter& reporter) {
                UnattendedRequest request{true, 0, 0, folder.path("auto.txt")};
                request.stopWanted = [this] { return stopSignalled; };
                return run(request, line, reporter);
            };
        return runThroughModem(folder.path(), port, clock, session.linkReporter, reporter, output,
                               job);
    }

    QList<QByteArray> lastWrites(int count) const {
        return port.writes().mid(port.writes().size() - count);
    }
    // The call ended with the escape and on hook.
    void expectHungUp() {
        EXPECT_EQ(lastWrites(2), (QList<QByteArray>{"+++", "ATH0\r"}));
        EXPECT_FALSE(port.modem()->hasCall());
    }

    // korvenctl's stop signal: the download and the conversation running are asked to stop.
    void signalStop() {
        stopSignalled = true;
        clock.requestStop();
    }

    test::RecordingModemReporter reporter;
    bool stopSignalled = false;
};

TEST(ModemDownload, FetchesTheNewBlocksThroughTheCallAndHangsUp) {
    ModemDownloadRig rig;
    EXPECT_EQ(rig.runCall(), UnattendedEnd::Done);
    EXPECT_EQ(rig.results, QStringList{"10 blocks saved to " + rig.folder.path("auto.txt")});
    EXPECT_EQ(rig.port.logger().commands().last(), "Z") << "scanning again before the hang-up";
    EXPECT_EQ(rig.port.logger().commands().count("Z"), 1) << "and put back once";
    rig.expectHungUp();
    EXPECT_EQ(rig.reporter.told, QStringList{modem_texts::hungUp});
    EXPECT_TRUE(rig.problems.isEmpty()) << qPrintable(rig.problems.join('\n'));
}

TEST(ModemDownload, ALoggerThatDoesNotWakeIsALinkFailureAndTheCallIsStillHungUp) {
    ModemDownloadRig rig;
    rig.faults().neverWakes = true;
    EXPECT_EQ(rig.runCall(), UnattendedEnd::LinkFailed);
    rig.expectHungUp();
    EXPECT_EQ(rig.reporter.told, (QStringList{modem_texts::loggerNotConnected,
                                              modem_texts::helpOnLine, modem_texts::hungUp}));
}

TEST(ModemDownload, AStopRequestDuringTheFetchStillHangsUp) {
    ModemDownloadRig rig;
    rig.writeDownloadPointer(300);
    bool requested = false;
    rig.port.logger().setEventSink([&](sim::EventTopic, const QByteArray& text) {
        if (!requested && text.startsWith("command S")) {
            requested = true;
            rig.signalStop();
        }
    });
    EXPECT_EQ(rig.runCall(), UnattendedEnd::LinkFailed);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z") << "scanning again before the hang-up";
    rig.expectHungUp();
}

// A logger the job left stopped is put back by the hang-up, before the escape.
TEST(ModemDownload, ALoggerTheJobLeftStoppedIsPutBackIntoScanningBeforeTheHangUp) {
    ModemDownloadRig rig;
    EXPECT_EQ(rig.runCall([](SerialPort& line, LinkReporter&) {
        line.open(); // the call comes up; the job fails before it wakes the logger
        line.close();
        return UnattendedEnd::LinkFailed;
    }),
              UnattendedEnd::LinkFailed);
    EXPECT_EQ(rig.port.logger().commands(), (QList<QByteArray>{"z", "Z"}));
    EXPECT_EQ(rig.lastWrites(4), (QList<QByteArray>{"\x80", "Z\r", "+++", "ATH0\r"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{test::resumedText(0)});
    EXPECT_FALSE(rig.port.modem()->hasCall());
}

TEST(ModemDownload, NothingIsDialledForAJobThatRefusesOrAModemThatIsNotSetUp) {
    ModemDownloadRig refused;
    EXPECT_EQ(refused.runCall([](SerialPort&, LinkReporter&) { return UnattendedEnd::BadSetup; }),
              UnattendedEnd::BadSetup);
    EXPECT_TRUE(refused.port.writes().isEmpty());

    ModemIdentity off;
    off.status = '1';
    ModemIdentity blank;
    blank.number = "";
    for (const auto& [identity, problem] :
         {std::pair{off, "not activated"}, std::pair{blank, "no telephone number"}}) {
        ModemDownloadRig rig;
        rig.folder.write("plant.pas", identity.bytes());
        EXPECT_EQ(rig.runCall(), UnattendedEnd::BadSetup) << problem;
        EXPECT_TRUE(rig.problems.value(0).contains(problem)) << qPrintable(rig.problems.value(0));
        EXPECT_TRUE(rig.port.writes().isEmpty()) << problem;
        EXPECT_TRUE(rig.reporter.told.isEmpty()) << problem;
    }
}

// A stop a moment before "CONNECT": the call comes up while being given up.
TEST(ModemDownload, AStopJustBeforeTheCallComesUpStillHangsUp) {
    ModemDownloadRig rig;
    rig.port.modem()->setEventSink([&](sim::EventTopic, const QByteArray& text) {
        if (text.startsWith("modem command atdt"))
            rig.clock.at(rig.clock.nowMs() + sim::ModemConfig{}.callMs - 300,
                         [&] { rig.signalStop(); });
    });
    EXPECT_EQ(rig.runCall(), UnattendedEnd::LinkFailed);
    rig.expectHungUp();
    EXPECT_TRUE(rig.port.logger().commands().isEmpty()) << "the logger was never woken";
    EXPECT_EQ(rig.reporter.told.last(), modem_texts::hungUp);
    EXPECT_EQ(rig.storedPointer(), 590);
}

} // namespace
} // namespace korven
