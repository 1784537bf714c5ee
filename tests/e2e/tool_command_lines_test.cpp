// korven-demo's and korven-sheets' command lines.

#include "download_e2e_rig.h"

#include <QDir>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

// Help and version write nothing; a bad command line is refused with 2.
TEST(DemoCommandLine, AnswersHelpAndVersionRefusesBadUsageAndWritesTheDemo) {
    TempFolder work;
    const auto demo = [&work](const QStringList& arguments) {
        return runTool(QStringLiteral(KORVEN_DEMO_PATH), arguments, work.path());
    };
    const ToolRun help = demo({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.join(u'\n').contains("FOLDER")) << qPrintable(help.out.join(u'\n'));
    EXPECT_EQ(demo({"--version"}).out, QStringList{"korven-demo 1.0.0"});
    for (const QStringList& bad : QList<QStringList>{
             {},
             {"--bogus", "demo"},
             {"demo", "other"},
             {"--help", "--help"},
         })
        EXPECT_EQ(demo(bad).exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(QDir(work.path()).isEmpty());

    EXPECT_EQ(demo({"demo"}).exitCode, 0);
    EXPECT_TRUE(work.exists("demo/config.dat"));
}

TEST(SheetsCommandLine, SaysAFileFailureOnOneLine) {
    ProgramFolder folder; // its "config.dat" names a system set-up that is not there
    TempFolder output;
    const ToolRun sheets =
        runTool(QStringLiteral(KORVEN_SHEETS_PATH), {folder.path(), output.path()});
    EXPECT_EQ(sheets.exitCode, 1);
    // The message box's line break would send a terminal's cursor back.
    EXPECT_FALSE(sheets.err.contains(u'\r')) << qPrintable(sheets.err);
    EXPECT_TRUE(sheets.err.contains("plant.stp - ")) << qPrintable(sheets.err);
}

} // namespace
} // namespace korven::test::download_e2e
