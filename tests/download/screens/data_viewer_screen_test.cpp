#include "download/screens/data_viewer_screen.h"
#include "session/screen_names.h"

#include "download/block_grid.h"
#include "download/download_rig.h"
#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/chart_screen.h"
#include "link/link_texts.h"
#include "support/qt_printers.h"

#include <QAbstractProxyModel>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::DownloadRig;
using test::kResumed;

// The block viewer shown on the simulated logger, over channels with units and decimals.
struct ViewerRig : DownloadRig {
    ViewerRig() {
        test::writeChannelsWithUnits(folder);
        screen = new DataViewerScreen(session);
        screen->resize(1000, 600);
        screen->show();
    }
    ~ViewerRig() { delete screen; }

    QSpinBox* field(const char* name) { return child<QSpinBox>(*screen, name); }
    BlockGridView* view() { return child<BlockGridView>(*screen, "grid"); }
    const BlockGrid& grid() {
        return *static_cast<const BlockGrid*>(
            static_cast<QAbstractProxyModel*>(view()->model())->sourceModel());
    }
    QString cell(int block, int column) { return grid().cell(grid().rowOf(block), column); }
    QString status() { return child<QLabel>(*screen, "statusLabel")->text(); }

    void download(int first, int last) {
        field("VScroll1")->setValue(first);
        field("VScroll2")->setValue(last);
        click(*screen, "Command4");
    }
    void pressOn(int block, Qt::MouseButton button) {
        view()->showBlock(block);
        const QRect cell = view()->visualRect(view()->model()->index(grid().rowOf(block), 4));
        QTest::mouseClick(view()->viewport(), button, {}, cell.center());
    }

    QPointer<DataViewerScreen> screen;
};

TEST(DataViewer, OpensWithAGridOfEveryBlockAndLeavesALoggerItCouldNotWakeAlone) {
    ViewerRig rig;
    EXPECT_EQ(rig.screen->windowTitle(), "Blocco Finale");
    EXPECT_EQ(rig.grid().rowCount(), 4100);
    QStringList header;
    for (int column = 0; column < BlockGrid::ColumnCount; ++column)
        header << rig.grid().headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(header, QStringList({"BLOCK", "D A T E", "T I M E", "Canale 0", "Canale 1",
                                   "Canale 2", "Canale 3", "Canale 4", "Canale 5", "Canale 6",
                                   "Canale 7", "digit 1", "digit 2"}));
    EXPECT_EQ(rig.cell(4099, BlockGrid::BlockColumn), "4099");
    // The buttons of the top row stand on one line, in their frames or not.
    const auto bottom = [&rig](const char* name) {
        const QWidget* button = rig.child<QPushButton>(*rig.screen, name);
        return button->mapTo(rig.screen.data(), QPoint(0, button->height())).y();
    };
    for (const char* name : {"Command1", "exportCsv", "Command2", "chart", "Command3"})
        EXPECT_NEAR(bottom(name), bottom("Command4"), 1) << name; // a pixel of rounding
    EXPECT_EQ(rig.session.link.state().callerScreen, screen_name::blockViewer);

    rig.click(*rig.screen, "chart");
    EXPECT_EQ(rig.prompter.texts(), QStringList({"Nessun blocco scaricato"}));

    rig.port.setPortHeld(1);
    rig.download(0, 5);
    EXPECT_EQ(rig.prompter.texts().last(),
              "Errore seriale nr. 8005\rControllare eventuali conflitti sulla porta");
    EXPECT_TRUE(rig.screen->isVisible());
    EXPECT_TRUE(rig.child<QPushButton>(*rig.screen, "Command4")->isEnabled());
    EXPECT_EQ(rig.status(), "");

    rig.click(*rig.screen, "Command3");
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_EQ(rig.prompter.texts().size(), 2);
    EXPECT_EQ(rig.session.link.state().callerScreen, "");
}

TEST(DataViewer, WarnsBeforeARangeTheLoggerDoesNotHold) {
    ViewerRig rig;
    rig.prompter.answerNext(false);
    rig.download(590, 610);
    EXPECT_EQ(rig.prompter.texts(), QStringList{download_texts::rangeNotHeld.arg(0).arg(599)});
    EXPECT_TRUE(rig.blockRequests().isEmpty());

    rig.prompter.answerNext(true);
    rig.download(590, 610);
    EXPECT_EQ(rig.blockRequests().size(), 21) << "fetched as asked";
}

TEST(DataViewer, DownloadsMarksWithTheMouseSavesExportsChartsClearsAndResumesOnLeaving) {
    ViewerRig rig;
    QString during;
    rig.clock.at(1'000, [&] { during = rig.status(); });
    rig.download(100, 104);
    EXPECT_TRUE(during.startsWith("ATTENDERE. Accensione KORVEN   Attesa ")) << qPrintable(during);
    EXPECT_EQ(rig.status(), "");
    EXPECT_EQ(rig.blockRequests(), QList<QByteArray>({"S064", "S065", "S066", "S067", "S068"}));
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.session.link.busy());
    EXPECT_EQ(rig.child<QLabel>(*rig.screen, "progressText")->text().left(41),
              "Blocchi scaricati: 5   Da scaricare: 0   ");
    EXPECT_TRUE(rig.prompter.texts().isEmpty());

    rig.pressOn(101, Qt::LeftButton);
    rig.pressOn(103, Qt::RightButton);
    EXPECT_EQ(rig.field("VScroll1")->value(), 101);
    EXPECT_EQ(rig.field("VScroll2")->value(), 103);
    const auto colour = [&rig](int block, int column) {
        return rig.view()->model()->index(rig.grid().rowOf(block), column).data(Qt::BackgroundRole);
    };
    EXPECT_EQ(colour(101, 2).value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(colour(103, 0).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(colour(101, 3).isValid());
    EXPECT_FALSE(colour(100, 0).isValid());

    // An older table of that name is replaced, not added to.
    ASSERT_TRUE(QDir(rig.folder.path()).mkdir("misure"));
    rig.folder.write("misure/blocchi.txt", QByteArray(104 * 10, 'x'));
    rig.files.chooseNext(rig.folder.path("misure/blocchi"));
    rig.click(*rig.screen, "Command1");
    EXPECT_EQ(rig.tableBlocks("misure/blocchi.txt"), (QList<QByteArray>{"0101", "0102", "0103"}));
    ASSERT_EQ(rig.files.saveRequests().size(), 1);
    const SaveFileRequest& asked = rig.files.saveRequests()[0];
    EXPECT_EQ(asked.initialFolder, rig.folder.path());
    EXPECT_EQ(asked.filter, " FILE (*.txt)|*.txt|");
    EXPECT_EQ(asked.defaultExtension, "txt");
    EXPECT_EQ(rig.status(), "3 blocchi salvati nel file " + rig.folder.path("misure/blocchi.txt"));
    rig.files.chooseNext(rig.folder.path("misure/altri.dat"));
    rig.click(*rig.screen, "Command1");
    EXPECT_EQ(rig.files.saveRequests()[1].initialFolder, rig.folder.path("misure"));
    EXPECT_TRUE(rig.folder.exists("misure/altri.dat"));

    rig.files.chooseNext(rig.folder.path("dati.csv"));
    rig.click(*rig.screen, "exportCsv");
    EXPECT_EQ(rig.files.saveRequests().last().filter, " FILE (*.csv)|*.csv|");
    EXPECT_EQ(rig.status(), "3 blocchi esportati nel file " + rig.folder.path("dati.csv"));

    rig.click(*rig.screen, "chart");
    ChartScreen* chart = rig.openWindow<ChartScreen>();
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->windowTitle(), "Grafico");
    const QList<QAbstractSeries*> series =
        chart->findChild<QChartView*>("chartView")->chart()->series();
    ASSERT_EQ(series.size(), 7); // channel 5 is off
    EXPECT_EQ(series[0]->name(), "Canale 0 (V)");
    EXPECT_EQ(static_cast<QLineSeries*>(series[0])->count(), 5) << "every fetched block";
    delete chart;

    rig.prompter.answerNext(false);
    rig.click(*rig.screen, "Command2");
    ASSERT_EQ(rig.prompter.prompts().size(), 1);
    EXPECT_TRUE(rig.prompter.prompts()[0].noIsDefault) << "a stray Enter keeps the data";
    EXPECT_FALSE(rig.cell(101, BlockGrid::DateColumn).isEmpty());
    rig.click(*rig.screen, "Command2");
    EXPECT_EQ(rig.cell(101, BlockGrid::DateColumn), "");
    rig.click(*rig.screen, "Command1");
    EXPECT_EQ(rig.prompter.texts().last(), "Nessun blocco da salvare");
    EXPECT_EQ(rig.files.saveRequests().size(), 3);

    rig.click(*rig.screen, "Command3");
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_EQ(rig.prompter.texts().last(), kResumed);
    EXPECT_EQ(rig.port.logger().commands().last(), "Z");
}

TEST(DataViewer, ALineThatFailsPartWayKeepsTheRowsFetchedAndTheyCanBeSaved) {
    ViewerRig rig;
    rig.faults().silentAfterCommands = 2 + 3; // "z", "j" and three blocks
    rig.download(100, 109);

    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
    EXPECT_TRUE(rig.screen);
    EXPECT_TRUE(rig.screen->isVisible());
    EXPECT_FALSE(rig.cell(102, BlockGrid::DateColumn).isEmpty());
    EXPECT_EQ(rig.cell(103, BlockGrid::DateColumn), "");
    EXPECT_FALSE(rig.session.link.state().linkAborted);
    EXPECT_TRUE(rig.child<QPushButton>(*rig.screen, "Command1")->isEnabled());

    rig.field("VScroll2")->setValue(102);
    rig.files.chooseNext(rig.folder.path("parte.txt"));
    rig.click(*rig.screen, "Command1");
    EXPECT_EQ(rig.folder.read("parte.txt").size(), 3 * 104);
}

TEST(DataViewer, ALoggerThatDoesNotWakeClosesTheScreen) {
    ViewerRig rig;
    rig.faults().silent = true;
    rig.download(0, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
    EXPECT_FALSE(rig.screen && rig.screen->isVisible());
    EXPECT_FALSE(rig.session.link.state().linkAborted);
    EXPECT_TRUE(rig.blockRequests().isEmpty());
}

TEST(DataViewer, ClosingDuringADownloadStopsItAndThenLeaves) {
    ViewerRig rig;
    QPointer<DataViewerScreen> screen = rig.screen;
    rig.clock.at(3'000, [screen] { screen->close(); });
    rig.download(0, 99);
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_LT(rig.blockRequests().size(), 20);
    EXPECT_EQ(rig.prompter.texts(), QStringList({kResumed}));
    EXPECT_FALSE(rig.session.link.busy());
}

TEST(DataViewer, AMessageBoxHeldOpenForTenSecondsDoesNotFailTheDownload) {
    ViewerRig rig;
    // Another menu's message, read for ten seconds while its event loop runs.
    rig.prompter.setWhileShown([&rig](const test::ShownPrompt&) { rig.clock.runFor(10'000); });
    qsizetype requestsBefore = -1;
    rig.clock.at(2'500, [&] {
        requestsBefore = rig.blockRequests().size();
        rig.session.prompter.message("Altro messaggio", MessageIcon::Exclamation);
    });
    rig.download(0, 49);

    EXPECT_GT(requestsBefore, 0);
    EXPECT_LT(requestsBefore, 50);
    EXPECT_EQ(rig.prompter.texts(), QStringList({"Altro messaggio"}));
    EXPECT_EQ(rig.blockRequests().size(), 50);
    EXPECT_FALSE(rig.cell(49, BlockGrid::DateColumn).isEmpty());
    EXPECT_EQ(rig.session.link.state().linkFailed, 0);
    EXPECT_TRUE(rig.screen->isVisible());
}

} // namespace
} // namespace korven
