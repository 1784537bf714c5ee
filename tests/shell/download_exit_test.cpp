// Download screens in the main window, and leaving while one talks to the logger.
#include "download/download_rig.h"
#include "download/download_texts.h"
#include "download/screens/automatic_download_screen.h"
#include "download/screens/automatic_fetch_screen.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/data_viewer_screen.h"
#include "session/screen_names.h"
#include "shell/shell_texts.h"
#include "shell_fixture.h"

#include <QHeaderView>
#include <QSpinBox>

#include <algorithm>

using namespace korven;
using namespace korven::test;

namespace {

// The main window with both download screens, over the download rig's set-up files.
class DownloadShell : public ShellTest {
protected:
    DownloadShell() {
        session.installation.systemFilePath = folder.path("plant.stp");
        session.installation.loggerSetupPath = folder.path("logger");
        writeLoggerSetup(folder);

        MainWindow& window = openMainWindow({.blockViewer = makeDataViewerScreen,
                                             .automaticDownload = makeAutomaticDownloadScreen});
        window.resize(1280, 800);
        window.show();
    }

    DataViewerScreen* openViewer(int first, int last) {
        trigger("sc_manuale");
        auto* viewer = find<DataViewerScreen>(screen_name::blockViewer);
        viewer->findChild<QSpinBox*>("VScroll1")->setValue(first);
        viewer->findChild<QSpinBox*>("VScroll2")->setValue(last);
        return viewer;
    }
    qsizetype blockRequests() {
        const QList<QByteArray>& commands = port.logger().commands();
        return std::count_if(commands.begin(), commands.end(),
                             [](const QByteArray& command) { return command.startsWith('S'); });
    }
    // Starts the viewer's download and chooses Exit `ms` into it; the block
    // requests the logger had seen when the question came.
    qsizetype downloadWithExitAt(DataViewerScreen* viewer, qint64 ms) {
        qsizetype requestsAtExit = -1;
        clock.at(ms, [&] {
            requestsAtExit = blockRequests();
            trigger("extm");
        });
        click(viewer->findChild<QPushButton*>("Command4"));
        settle();
        return requestsAtExit;
    }
};

// Yes stops the download and puts the logger back; the blocks that came are offered.
TEST_F(DownloadShell, ExitDuringADownloadStopsItPutsTheLoggerBackAndOffersTheRowsFetched) {
    files.chooseNext(folder.path("ultimi.txt"));
    const qsizetype requestsAtExit = downloadWithExitAt(openViewer(100, 199), 4'000);

    EXPECT_EQ(programEnds, 1);
    EXPECT_GT(requestsAtExit, 0);
    EXPECT_EQ(blockRequests(), requestsAtExit) << "no block asked for after the Yes";
    EXPECT_EQ(port.logger().commands().last(), "Z");
    // Every block that came, not the one asked for when the Yes came.
    const qsizetype saved = folder.read("ultimi.txt").size() / 104;
    EXPECT_GE(saved, requestsAtExit - 1);
    EXPECT_LE(saved, requestsAtExit);
    const QString offer = download_texts::offerToSave.arg(saved);
    EXPECT_EQ(prompter.texts(), QStringList({shell_texts::confirmExit, kResumed, offer}));
}

TEST_F(DownloadShell, TheExitQuestionLeftOpenAndAnsweredNoLetsTheDownloadFinish) {
    prompter.setWhileShown([this](const ShownPrompt&) { clock.runFor(7'000); });
    prompter.answerNext(false);
    downloadWithExitAt(openViewer(0, 29), 4'000);

    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(blockRequests(), 30);
    EXPECT_EQ(openScreens(), QStringList({screen_name::blockViewer}));
}

TEST_F(DownloadShell, TheFetchWindowOpensWideEnoughForEveryColumnAndTheProgressLine) {
    folder.write("plant.PUN", downloadPointerRecord(290));
    trigger("sc_autom");
    settle(); // the screen wakes the logger once shown
    settle(); // and is laid out anew with its start button
    auto* first = find<AutomaticDownloadScreen>(screen_name::automaticDownload);
    ASSERT_TRUE(first);
    click(first->findChild<QPushButton*>("Command1"));
    settle();
    auto* fetch = find<AutomaticFetchScreen>(screen_name::automaticFetch);
    ASSERT_TRUE(fetch);
    const auto* grid = fetch->findChild<BlockGridView*>("grid");
    EXPECT_GE(grid->viewport()->width(), grid->horizontalHeader()->length());
    const auto* progress = fetch->findChild<QLabel*>("progressText");
    EXPECT_TRUE(progress->text().startsWith("Blocchi scaricati: 10   Da scaricare: 0   "));
    EXPECT_GE(progress->width(), progress->sizeHint().width());
}

} // namespace
