#pragma once

#include "download/block_grid.h"
#include "download/download_job.h"
#include "session/exchange_guard.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// "Scarico Automatico", second screen: fetches the blocks of the automatic
// download into the grid as soon as it is shown, saves them as a block table
// and moves the download pointer past them; the blocks fetched can also be
// exported as CSV.
class AutomaticFetchScreen : public QWidget {
    Q_OBJECT
public:
    // `job` has woken the logger and read the set-up the fetch needs.
    AutomaticFetchScreen(Session& session, std::unique_ptr<DownloadJob> job,
                         const AutomaticRange& range, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fetch();
    void save();
    void exportFetched();

    Session& session_;
    std::unique_ptr<DownloadJob> job_;
    AutomaticRange range_;
    BlockGrid grid_;
    BlockGridView* view_;
    DownloadProgressBar* progress_;
    QPushButton* save_;
    QPushButton* export_;
    QPushButton* archive_;
    QPushButton* exit_;
    QLabel* report_;
    ExchangeGuard guard_;
    int fetched_ = 0;
};

} // namespace korven
