// korven-demo's command line: help and version, a bad command line refused
// with 2 and nothing written.

#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

struct DemoRun {
    int status = -1;
    QByteArray out;
};

DemoRun korvenDemo(const QString& workingFolder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(KORVEN_DEMO_PATH), arguments);
    if (!process.waitForFinished(30'000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput()};
}

TEST(DemoCommandLine, AnswersHelpAndVersionWithoutWritingAnything) {
    TempFolder work;
    const DemoRun help = korvenDemo(work.path(), {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("FOLDER")) << help.out.constData();
    EXPECT_EQ(korvenDemo(work.path(), {"--version"}).out, "korven-demo 1.0.0\n");
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(DemoCommandLine, RefusesABadCommandLineWithTwoAndWritesNothing) {
    TempFolder work;
    for (const QStringList& bad : QList<QStringList>{
             {},
             {"--bogus", "demo"},
             {"demo", "other"},
             {"--help", "--help"},
         })
        EXPECT_EQ(korvenDemo(work.path(), bad).status, 2) << bad.join(' ').toStdString();
    EXPECT_TRUE(QDir(work.path()).isEmpty());
}

TEST(DemoCommandLine, WritesTheSampleInstallationIntoTheFolderNamed) {
    TempFolder work;
    EXPECT_EQ(korvenDemo(work.path(), {"demo"}).status, 0);
    EXPECT_TRUE(QFileInfo::exists(work.path("demo/config.dat")));
}

} // namespace
} // namespace korven::test
