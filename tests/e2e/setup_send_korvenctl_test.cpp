// korvenctl setup send against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"
#include "logger_setup/logger_set_bytes.h"

#include <QFile>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

QStringList setupSend(const ProgramFolder& folder, const QStringList& arguments = {}) {
    return QStringList{"--folder", folder.path(), "--device", folder.link(), "setup", "send"} +
           arguments;
}

// The program folder's logger set-up with eight distinct channels, saved to
// scan with acquisition.
void writeChannels(const ProgramFolder& folder) {
    QByteArray tmr;
    for (int n = 0; n < 8; ++n)
        tmr += distinctLoggerChannel(n).bytes();
    folder.write("logger.tmr", tmr);
    folder.setScanFlags('1', '0');
}

TEST(KorvenctlSetupSend, SendsTheChannelsShowingProgressAndResumesTheLogger) {
    ProgramFolder folder;
    writeChannels(folder);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    const KorvenctlRun run = korvenctl(setupSend(folder, {"--code", "1"}));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringList{"8 channels and \"C1\" sent to logger 1"});
    EXPECT_TRUE(run.err.contains("korvenctl: Channel parameter sending 07")) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("KORVEN nr. 1 in scansione")) << qPrintable(run.err);
}

TEST(KorvenctlSetupSend, BadUsageAndUnreadableFilesStopBeforeTheLine) {
    ProgramFolder folder;
    const QStringList refused[] = {setupSend(folder, {"--code", "12"}),
                                   setupSend(folder, {"--code", "1", "--code", "2"}),
                                   {"--folder", folder.path(), "setup"},
                                   {"--folder", folder.path(), "setup", "fetch"}};
    for (const QStringList& arguments : refused) {
        const KorvenctlRun run = korvenctl(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(run.out.isEmpty());
    }

    QFile::remove(folder.path("logger.tmr"));
    const KorvenctlRun run = korvenctl(setupSend(folder));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("logger.tmr")) << qPrintable(run.err);
    // The message box's line break would send a terminal's cursor back.
    EXPECT_FALSE(run.err.contains('\r')) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains("logger.tmr - ")) << qPrintable(run.err);
}

} // namespace
} // namespace korven::test::download_e2e
