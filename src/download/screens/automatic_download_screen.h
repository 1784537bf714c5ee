#pragma once

#include "download/download_job.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace korven {

struct Session;

// "Scarico Automatico", first screen: wakes the logger, asks it for its last
// stored block and tells how many blocks the download will fetch, from the
// download pointer on. Its start button hands over to the second screen.
class AutomaticDownloadScreen : public QWidget {
    Q_OBJECT
public:
    explicit AutomaticDownloadScreen(Session& session, QWidget* parent = nullptr);
    ~AutomaticDownloadScreen() override;

    // The screen's opening, before it is shown. False when the link failed on
    // the way: the screen is then not shown at all.
    bool load();

protected:
    // Leaving puts the woken logger back into scanning, unless the second
    // screen has taken it over.
    void closeEvent(QCloseEvent* event) override;

private:
    void queryLastBlock();
    void startFetch();

    Session& session_;
    QLabel* message_;
    QLabel* progress_;
    QWidget* startFrame_;
    QLabel* information_;
    std::unique_ptr<DownloadJob> job_;
    AutomaticRange range_;
};

// The menu's way in: a loaded first screen, or nothing when the link failed.
QWidget* makeAutomaticDownloadScreen(Session& session);

} // namespace korven
