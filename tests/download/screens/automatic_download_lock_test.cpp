// The automatic download holds the installation, as korvenctl's does, from
// its first screen until its second one goes; while another program holds
// it, the download does not start.

#include "download/download_rig.h"
#include "download/screens/automatic_download_screen.h"
#include "download/screens/automatic_fetch_screen.h"
#include "platform/process_lock.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace korven {
namespace {

struct LockRig : test::DownloadRig {
    LockRig() : DownloadRig(test::loggerWith(126)) { writeDownloadPointer(120); }

    std::unique_ptr<QWidget> open() {
        std::unique_ptr<QWidget> screen(makeAutomaticDownloadScreen(session));
        screen->show();
        QCoreApplication::processEvents();
        return screen;
    }
    // Whether korvenctl could start a download on the installation now.
    bool installationFree() { return static_cast<bool>(ProcessLock(lockPath).take()); }

    const QString lockPath = installationLockPath(session.installation.systemFilePath);
};

TEST(AutomaticDownloadLock, AnotherProgramsDownloadIsNamedAndTheLoggerLeftAlone) {
    LockRig rig;
    ProcessLock other(rig.lockPath);
    ASSERT_TRUE(other.take());
    const std::unique_ptr<QWidget> screen = rig.open();
    EXPECT_FALSE(screen->isVisible());
    ASSERT_EQ(rig.prompter.texts().size(), 1);
    EXPECT_TRUE(rig.prompter.texts()[0].startsWith(
        QStringLiteral("ATTENZIONE: l'installazione è in uso da %1 (processo %2 sul computer ")
            .arg(QCoreApplication::applicationName())
            .arg(QCoreApplication::applicationPid())))
        << qPrintable(rig.prompter.texts()[0]);
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(AutomaticDownloadLock, TheInstallationIsHeldUntilTheSecondScreenGoes) {
    LockRig rig;
    const std::unique_ptr<QWidget> first = rig.open();
    ASSERT_TRUE(first->isVisible());
    EXPECT_FALSE(rig.installationFree());

    rig.click(*first, "Command1");
    QCoreApplication::processEvents();
    AutomaticFetchScreen* fetch = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<AutomaticFetchScreen*>(widget))
            fetch = screen;
    ASSERT_TRUE(fetch);
    ASSERT_EQ(rig.blockRequests().size(), 6);
    EXPECT_FALSE(rig.installationFree());

    rig.files.chooseNext(rig.folder.path("scarico.txt"));
    rig.click(*fetch, "Command1");
    EXPECT_EQ(rig.storedPointer(), 126);
    EXPECT_FALSE(rig.installationFree());
    rig.prompter.answerNext(true);
    rig.click(*fetch, "Command2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rig.installationFree());
}

} // namespace
} // namespace korven
