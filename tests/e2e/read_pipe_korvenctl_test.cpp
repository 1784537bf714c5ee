// korvenctl read into a reader that goes away, as "korvenctl read | head -n 3"
// does, against korven-sim on a pseudo-terminal, in real time.

#include "download_e2e_rig.h"

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// The output's end stops the reading as SIGTERM does: the reading under way
// is finished and the logger goes back into scanning.
TEST(KorvenctlRead, AReaderThatGoesAwayEndsTheReadingAndTheLoggerScansAgain) {
    ProgramFolder folder;
    prepareReading(folder);
    Simulator simulator(folder.link());
    ASSERT_TRUE(simulator.ready());

    QProcess pipeline;
    pipeline.start(QStringLiteral("bash"),
                   {"-c", "\"$0\" \"$@\" | head -n 3; exit ${PIPESTATUS[0]}", KORVENCTL_PATH,
                    "--folder", folder.path(), "--device", folder.link(), "read"});
    ASSERT_TRUE(pipeline.waitForFinished(30'000));
    const QByteArray errors = pipeline.readAllStandardError();
    EXPECT_EQ(pipeline.exitCode(), 0) << errors.constData();
    EXPECT_EQ(pipeline.readAllStandardOutput().count('\n'), 3);
    EXPECT_TRUE(errors.contains("KORVEN nr. 0 in scansione")) << errors.constData();
    EXPECT_TRUE(simulator.awaitLines("korven-sim: command Z"));
    EXPECT_EQ(simulator.commands().last(), "Z");
}

} // namespace
} // namespace korven::test::download_e2e
