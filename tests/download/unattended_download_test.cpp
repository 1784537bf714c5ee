// The range, automatic and cut-line runs are covered end to end by the
// korvenctl tests; here only what stops a run before it fetches anything.
#include "download/unattended_download.h"

#include "download/download_rig.h"
#include "system_setup/settings_file.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// A program folder whose "config.dat" names the rig's set-up files.
struct UnattendedRig : test::DownloadRig {
    UnattendedRig() {
        Settings settings(folder.path());
        EXPECT_TRUE(settings.saveSystemFilePath(session.installation.systemFilePath));
        EXPECT_TRUE(settings.saveLoggerSetupPath(session.installation.loggerSetupPath));
    }

    UnattendedEnd run(const UnattendedRequest& request) {
        UnattendedOutput output;
        output.problem = [this](const QString& text) { problems.append(text); };
        output.result = [this](const QString& text) { results.append(text); };
        return runUnattendedDownload(folder.path(), request, port, clock, session.linkReporter,
                                     output, QDateTime(QDate(2024, 3, 6), QTime(7, 30, 5)));
    }

    QStringList problems;
    QStringList results;
};

TEST(UnattendedDownload, RefusesUnusableSetUpFilesBeforeTouchingTheLine) {
    for (const char* missing : {"config.dat", "logger.par"}) {
        UnattendedRig rig;
        QFile::remove(rig.folder.path(missing));
        EXPECT_EQ(rig.run({true, 0, 0, {}}), UnattendedEnd::BadSetup) << missing;
        EXPECT_FALSE(rig.folder.exists(missing));
    }
    UnattendedRig rig;
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("missing/out.txt")}), UnattendedEnd::BadSetup);
    ASSERT_EQ(rig.problems.size(), 1);
    EXPECT_TRUE(rig.problems[0].contains("missing"));
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(UnattendedDownload, ALoggerThatDoesNotWakeIsALinkFailureAndWritesNothing) {
    UnattendedRig rig;
    rig.faults().silent = true;
    EXPECT_EQ(rig.run({false, 0, 3, rig.folder.path("none.txt")}), UnattendedEnd::LinkFailed);
    EXPECT_FALSE(rig.folder.exists("none.txt"));
    EXPECT_TRUE(rig.results.isEmpty());
}

} // namespace
} // namespace korven
