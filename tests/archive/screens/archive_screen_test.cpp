#include "archive/screens/archive_screen.h"

#include "archive/screens/archive_keeper.h"
#include "download/download_rig.h"
#include "download/screens/automatic_download_screen.h"
#include "download/screens/automatic_fetch_screen.h"
#include "download/screens/chart_screen.h"
#include "download/screens/data_viewer_screen.h"
#include "system_setup/screens/configuration_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>

#include <gtest/gtest.h>

namespace korven {
namespace {

// "Salva in archivio" of the block viewer, then "Archivio" over what it kept.
TEST(ArchiveScreen, ShowsChartsAndExportsTheBlocksTheViewerSavedToTheArchiveOnce) {
    test::DownloadRig rig;
    rig.session.archiveBlocks = archiveKeeper(rig.session);
    {
        DataViewerScreen viewer(rig.session);
        viewer.show();
        rig.child<QSpinBox>(viewer, "VScroll1")->setValue(590);
        rig.child<QSpinBox>(viewer, "VScroll2")->setValue(599);
        rig.click(viewer, "Command4");
        rig.click(viewer, "saveToArchive");
        rig.click(viewer, "saveToArchive");
    }
    EXPECT_EQ(rig.prompter.countOf("10 blocchi salvati in archivio (0 erano già presenti)"), 1);
    EXPECT_EQ(rig.prompter.countOf("0 blocchi salvati in archivio (10 erano già presenti)"), 1);

    QPointer<ArchiveScreen> screen = new ArchiveScreen(rig.session);
    screen->show();
    EXPECT_EQ(screen->windowTitle(), "Archivio");
    const auto* station = rig.child<QComboBox>(*screen, "station");
    ASSERT_EQ(station->count(), 1);
    EXPECT_EQ(station->currentText(), "plant/logger");
    const QAbstractItemModel* grid = rig.child<QTableView>(*screen, "grid")->model();
    ASSERT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(grid->index(9, 0).data().toString(), "599");
    EXPECT_EQ(grid->index(9, 1).data().toString(), "05/03/2024 12:00:00");
    EXPECT_EQ(grid->headerData(2, Qt::Horizontal).toString(), "Canale 0");
    EXPECT_EQ(rig.child<QLabel>(*screen, "statusLabel")->text(), "10 blocchi");

    rig.files.chooseNext(rig.folder.path("archivio.csv"));
    rig.click(*screen, "exportCsv");
    EXPECT_EQ(rig.folder.read("archivio.csv").count("\r\n"), 11);
    EXPECT_EQ(rig.child<QLabel>(*screen, "statusLabel")->text(),
              "10 blocchi esportati nel file " + rig.folder.path("archivio.csv"));

    rig.click(*screen, "chart");
    ChartScreen* chart = rig.openWindow<ChartScreen>();
    ASSERT_TRUE(chart);
    delete chart;
    delete screen;
}

TEST(ArchiveScreen, SaysSoWhenTheArchiveCannotBeOpened) {
    test::DownloadRig rig;
    rig.folder.write("korven-archive.sqlite", QByteArray(4096, 'x'));
    ArchiveScreen screen(rig.session);
    EXPECT_TRUE(
        rig.child<QLabel>(screen, "statusLabel")
            ->text()
            .startsWith("Archivio non disponibile: " + rig.folder.path("korven-archive.sqlite")));
    EXPECT_FALSE(rig.child<QComboBox>(screen, "station")->isEnabled());
}

TEST(ArchiveScreen, AnAutomaticDownloadGoesIntoTheArchiveByItselfOnceConfigurazioneSaysSo) {
    test::DownloadRig rig;
    rig.session.archiveBlocks = archiveKeeper(rig.session);
    rig.writeDownloadPointer(590);
    {
        ConfigurationScreen configuration(rig.session);
        rig.child<QLineEdit>(configuration, "Text2")->setText("1");
        rig.child<QCheckBox>(configuration, "archiveEveryDownload")->setChecked(true);
        rig.click(configuration, "Command1");
    }
    EXPECT_EQ(rig.folder.read("config.dat").mid(14, 3), "ON ");

    const std::unique_ptr<QWidget> first(makeAutomaticDownloadScreen(rig.session));
    first->show();
    QCoreApplication::processEvents();
    rig.click(*first, "Command1");
    QCoreApplication::processEvents();
    AutomaticFetchScreen* fetch = rig.openWindow<AutomaticFetchScreen>();
    ASSERT_TRUE(fetch);
    rig.files.chooseNext(rig.folder.path("auto.txt"));
    rig.click(*fetch, "Command1");
    EXPECT_EQ(rig.prompter.countOf("10 blocchi salvati in archivio (0 erano già presenti)"), 1);
    delete fetch;
}

} // namespace
} // namespace korven
