#pragma once

#include "download/automatic_download.h"
#include "download/block_grid.h"

#include <QWidget>

class QPushButton;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// "Scarico Automatico", second screen: fetches the blocks of the automatic
// download into the grid as soon as it is shown, saves them as a block table
// and moves the download pointer past them.
class AutomaticFetchScreen : public QWidget {
    Q_OBJECT
public:
    AutomaticFetchScreen(Session& session, const AutomaticRange& range, DigitalInputFlags flags,
                         QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fetch();
    void save();
    void resumeScanningOnce();

    Session& session_;
    AutomaticRange range_;
    DigitalInputFlags digitalInputs_;
    BlockGrid grid_;
    BlockGridView* view_;
    DownloadProgressBar* progress_;
    QPushButton* save_;
    QPushButton* exit_;
    bool fetching_ = false;
    bool resumed_ = false;
    bool closeAfterFetch_ = false;
};

} // namespace korven
