#pragma once

#include "download/block_grid.h"
#include "download/download_job.h"

#include <QWidget>

class QPushButton;
class QSpinBox;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// "Blocco Finale": downloads a chosen range of blocks into the grid, lets the
// user mark a range of rows with the mouse and save it as a block table.
class DataViewerScreen : public QWidget {
    Q_OBJECT
public:
    explicit DataViewerScreen(Session& session, QWidget* parent = nullptr);

protected:
    // Leaving puts a woken logger back into scanning. A download under way is
    // asked to stop first; the screen closes once it has.
    void closeEvent(QCloseEvent* event) override;

private:
    void startDownload();
    void download(int first, int last);
    void saveRange();
    void markBlock(int block, Qt::MouseButton button);
    void setDownloading(bool downloading);

    Session& session_;
    BlockGrid grid_;
    BlockGridView* view_;
    QSpinBox* startBlock_;
    QSpinBox* endBlock_;
    QPushButton* start_;
    QPushButton* save_;
    QPushButton* clear_;
    DownloadProgressBar* progress_;
    DownloadJob job_;
    bool downloading_ = false;
    bool closeAfterDownload_ = false;
};

// The menu's way in.
QWidget* makeDataViewerScreen(Session& session);

} // namespace korven
