#pragma once

#include "download/block_grid.h"
#include "download/download_job.h"
#include "session/exchange_guard.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// "Blocco Finale": downloads a chosen range of blocks into the grid, lets the
// user mark a range of rows with the mouse and save it as a block table or
// export it as CSV, and shows the downloaded rows as a chart.
class DataViewerScreen : public QWidget {
    Q_OBJECT
public:
    explicit DataViewerScreen(Session& session, QWidget* parent = nullptr);
    ~DataViewerScreen() override;

protected:
    // Leaving puts a woken logger back into scanning. A download under way is
    // asked to stop first; the screen closes once it has. When the program is
    // ending, rows fetched and not saved yet are offered for saving.
    void closeEvent(QCloseEvent* event) override;

private:
    void startDownload();
    void download(int first, int last);
    void saveRange();
    void exportRange();
    void showChart();
    void clearRows();
    void markBlock(int block, Qt::MouseButton button);
    void setDownloading(bool downloading);
    // The range of the two block fields, never reversed.
    std::pair<int, int> chosenRange();
    void offerUnsavedRows();

    Session& session_;
    BlockGrid grid_;
    BlockGridView* view_;
    QSpinBox* startBlock_;
    QSpinBox* endBlock_;
    QPushButton* start_;
    QPushButton* save_;
    QPushButton* export_;
    QPushButton* archive_;
    QPushButton* chart_;
    QPushButton* clear_;
    QLabel* status_;
    DownloadProgressBar* progress_;
    DownloadJob job_;
    ExchangeGuard guard_;
    // The blocks fetched since the table was last saved or the grid cleared.
    int unsavedFirst_ = -1;
    int unsavedLast_ = -1;
};

// The menu's way in.
QWidget* makeDataViewerScreen(Session& session);

} // namespace korven
