// korvenctl's bad command lines and unreadable files, with nobody on the line:
// each is refused with 2 and a message before the line is touched.

#include "download_e2e_rig.h"

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

} // namespace
} // namespace korven::test::download_e2e
