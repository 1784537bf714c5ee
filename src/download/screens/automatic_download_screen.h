#pragma once

#include "download/download_job.h"
#include "session/exchange_guard.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace korven {

struct Session;

// "Scarico Automatico", first screen: once shown, wakes the logger, asks it
// for its last stored block and tells how many blocks the download will
// fetch, from the download pointer on. Its start button hands over to the
// second screen.
class AutomaticDownloadScreen : public QWidget {
    Q_OBJECT
public:
    explicit AutomaticDownloadScreen(Session& session, QWidget* parent = nullptr);
    ~AutomaticDownloadScreen() override;

protected:
    // Leaving puts the woken logger back into scanning, unless the second
    // screen has taken it over. While the logger is being woken or asked,
    // that is stopped first; the screen closes once it has.
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    // True when this download has the installation to itself; otherwise the
    // user has been told who has it.
    bool lockInstallation();
    // False when the link failed on the way: the screen has nothing to offer.
    bool wakeAndAsk();
    void queryLastBlock();
    void startFetch();

    Session& session_;
    QLabel* message_;
    QLabel* progress_;
    QWidget* startFrame_;
    QLabel* information_;
    std::unique_ptr<DownloadJob> job_;
    AutomaticRange range_;
    ExchangeGuard guard_;
};

// The menu's way in: the first screen, which starts talking to the logger as
// soon as it is shown and closes itself when the logger cannot be reached.
QWidget* makeAutomaticDownloadScreen(Session& session);

} // namespace korven
