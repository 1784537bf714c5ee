#include "launcher/simulator_process.h"
#include "link/link_texts.h"
#include "link/screens/transmission_screen.h"
#include "logger_setup/logger_setup_layouts.h"
#include "real_line.h"
#include "session/session.h"
#include "support/recording_document_opener.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_preview.h"
#include "support/temp_folder.h"
#include "system_setup/side_file_layouts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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

// Code 8 from the transmission screen: wake-up, last-block request and the
// resume, all through the production port.
TEST(LoggerOverPty, TransmissionScreenWakesTheLoggerAndHandsBackTheLastBlock) {
    SimulatedLogger logger({QStringLiteral("--blocks"), QStringLiteral("123")});
    ASSERT_TRUE(logger.simulator->isServing());
    ScriptedFileChooser files;
    RecordingDocumentOpener documents;
    ScriptedPreview printer;
    Session session(logger.line.port, logger.line.ticks, logger.line.prompter, files, documents,
                    printer, logger.folder.path());
    session.installation.systemFilePath = logger.folder.path("plant.stp");
    session.installation.loggerSetupPath = logger.folder.path("set");
    QByteArray identity(IdentityLayout::recordLength, ' ');
    identity[IdentityLayout::comIndex.offset] = '0';
    identity[IdentityLayout::speedIndex.offset] = '2';
    logger.folder.write("plant.pas", identity);
    // The resume reads the scan flags of the logger set-up.
    QByteArray par(LoggerParLayout::recordLength, ' ');
    par[LoggerParLayout::acquisitionFlag.offset] = '1';
    par[LoggerParLayout::sleepFlag.offset] = '0';
    logger.folder.write("set.par", par);

    TransmissionScreen screen(session, TransmissionOrder::readLastBlock());
    screen.show();
    QSignalSpy block(&screen, &TransmissionScreen::lastBlockRead);
    auto* code = screen.findChild<QLineEdit*>(QStringLiteral("numld2"));
    code->clear();
    QTest::keyClicks(code, "1");
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("Command3D2")), Qt::LeftButton);

    ASSERT_EQ(block.size(), 1);
    EXPECT_EQ(block[0][0].toInt(), 123);
    EXPECT_EQ(logger.line.prompter.texts(),
              QStringList{link_texts::resumeDone + "\rKORVEN nr. 1 in scansione"});
    EXPECT_FALSE(logger.line.port.isOpen());
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace korven::test
