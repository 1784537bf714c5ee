// korven-sheets' messages as a terminal shows them.

#include "download_e2e_rig.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(SheetsCommandLine, SaysAFileFailureOnOneLine) {
    ProgramFolder folder; // its "config.dat" names a system set-up that is not there
    TempFolder output;
    QProcess sheets;
    sheets.start(QStringLiteral(KORVEN_SHEETS_PATH), {folder.path(), output.path()});
    ASSERT_TRUE(sheets.waitForFinished(30'000));
    EXPECT_EQ(sheets.exitCode(), 1);
    const QByteArray err = sheets.readAllStandardError();
    // The message box's line break would send a terminal's cursor back.
    EXPECT_FALSE(err.contains('\r')) << err.constData();
    EXPECT_TRUE(err.contains("plant.stp - ")) << err.constData();
}

} // namespace
} // namespace korven::test::download_e2e
