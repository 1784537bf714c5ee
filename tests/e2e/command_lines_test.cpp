// The programs' command lines, with nobody on the line: korvenctl refuses bad
// usage and unreadable files with 2 before it touches the line.

#include "download_e2e_rig.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace korven::test::download_e2e {
namespace {

TEST(KorvenctlUsage, RefusesBadUsageAndUnreadableFilesWithTwoBeforeTheLine) {
    ProgramFolder folder;
    ProgramFolder noChannels;
    QFile::remove(noChannels.path("logger.tmr"));
    const std::pair<QStringList, QString> refused[] = {
        {{"--folder", folder.path(), "archive"}, ""},
        {{"--folder", folder.path(), "archive", "import"}, ""},
        {{"--folder", folder.path(), "archive", "gaps", "extra"}, ""},
        {{"--folder", folder.path(), "archive", "export", "--from", "yesterday"}, ""},
        {{"--folder", folder.path(), "archive", "stations", "--archive", folder.path("x/a")}, ""},
        {folder.onLine({"download", "--auto", "--archive", "postgresql://"}), ""},
        {folder.onLine({"download", "--auto", "--station", "x"}), ""},
        {folder.onLine({"clock", "--if-drift", "5"}), ""},
        {folder.onLine({"clock", "--code", "10"}), ""},
        {folder.onLine({"clock", "--set", "--if-drift", "-1"}), ""},
        {folder.onLine({"clock", "--set", "--set"}), ""},
        {folder.onLine({"setup", "send", "--code", "12"}), ""},
        {folder.onLine({"setup", "send", "--code", "1", "--code", "2"}), ""},
        {{"--folder", folder.path(), "setup"}, ""},
        {{"--folder", folder.path(), "setup", "fetch"}, ""},
        {folder.onLine({"read", "--channel", "8"}), "Channels go from 0 to 7."},
        // A message box's line break is written as " - ".
        {noChannels.onLine({"setup", "send"}), "logger.tmr - "},
    };
    for (const auto& [arguments, message] : refused) {
        SCOPED_TRACE(qPrintable(arguments.join(u' ')));
        const ToolRun run = korvenctl(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.err.contains(message)) << qPrintable(run.err);
        // A CR would send a terminal's cursor back over the message.
        EXPECT_FALSE(run.err.contains(u'\r')) << qPrintable(run.err);
    }
    EXPECT_FALSE(folder.exists("plant.PUN"));
}

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
