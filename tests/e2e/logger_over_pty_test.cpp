#include "link/link_texts.h"
#include "link/screens/transmission_screen.h"
#include "link/transmission.h"
#include "real_line.h"
#include "shell/session.h"
#include "support/recording_document_opener.h"
#include "support/scripted_file_chooser.h"
#include "support/simulator_process.h"
#include "support/temp_folder.h"
#include "system_setup/side_file_layouts.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <ctime>

#include <memory>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// korven-sim started on its own, paced like a serial line.
struct SimulatedLogger {
    explicit SimulatedLogger(const QStringList& options = {})
        : simulator(std::make_unique<SimulatorProcess>(
              QStringLiteral(KORVEN_SIM_PATH), folder.path("logger"),
              QStringList{QStringLiteral("--throttle")} + options)) {}

    TempFolder folder;
    std::unique_ptr<SimulatorProcess> simulator;
    RealLine line{folder.path("logger")};
};

TEST(LoggerOverPty, WakeUpAndLastBlockRequestThroughTheRealPort) {
    SimulatedLogger logger({QStringLiteral("--blocks"), QStringLiteral("123")});
    ASSERT_TRUE(logger.simulator->isServing());
    QElapsedTimer time;
    time.start();

    auto conversation = logger.line.link.startConversation();
    ASSERT_EQ(conversation->wakeLogger(), LinkStatus::Ok);
    EXPECT_TRUE(logger.line.port.isOpen());
    EXPECT_LT(time.elapsed(), 3500);
    ASSERT_EQ(conversation->addressHandshake(0, 0, 2), LinkStatus::Ok);
    const Reply reply = conversation->exchange("j", 47, 5);

    ASSERT_EQ(reply.status, LinkStatus::Ok);
    EXPECT_EQ(reply.bytes.size(), 47);
    EXPECT_EQ(lastBlockOf(reply.bytes), 123);
    EXPECT_TRUE(logger.line.prompter.prompts().isEmpty());
}

TEST(LoggerOverPty, LoggerThatGoesAwayIsWaitedForIdlyUntilTheLimit) {
    SimulatedLogger logger;
    ASSERT_TRUE(logger.simulator->isServing());
    auto conversation = logger.line.link.startConversation();
    ASSERT_EQ(conversation->wakeLogger(), LinkStatus::Ok);
    logger.simulator.reset();
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();

    EXPECT_EQ(conversation->addressHandshake(0, 0, 2), LinkStatus::NoAnswer);

    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    EXPECT_LT(wall.elapsed(), 4500);
    EXPECT_LT(cpuMs, 0.02 * double(wall.elapsed()));
}

TEST(LoggerOverPty, TransmissionScreenHandsBackTheLastBlock) {
    SimulatedLogger logger;
    ASSERT_TRUE(logger.simulator->isServing());
    ScriptedFileChooser files;
    RecordingDocumentOpener documents;
    Session session(logger.line.port, logger.line.ticks, logger.line.prompter, files, documents,
                    logger.folder.path());
    session.systemFilePath = logger.folder.path("plant.stp");
    session.loggerSetupPath = logger.folder.path("set");
    QByteArray identity(IdentityLayout::recordLength, ' ');
    identity[IdentityLayout::comIndex.offset] = '0';
    identity[IdentityLayout::speedIndex.offset] = '2';
    logger.folder.write("plant.pas", identity);
    session.transmission.code = 8;

    TransmissionScreen screen(session);
    screen.show();
    QSignalSpy block(&screen, &TransmissionScreen::lastBlockRead);
    auto* code = screen.findChild<QLineEdit*>(QStringLiteral("numld2"));
    code->clear();
    QTest::keyClicks(code, "1");
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("Command3D2")), Qt::LeftButton);

    ASSERT_EQ(block.size(), 1);
    EXPECT_EQ(block[0][0].toInt(), 300);
    EXPECT_EQ(
        logger.line.prompter.texts(),
        QStringList{QString::fromLatin1(link_texts::resumeDone) + "\rKORVEN nr. 1 in scansione"});
    EXPECT_FALSE(logger.line.port.isOpen());
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace korven::test
