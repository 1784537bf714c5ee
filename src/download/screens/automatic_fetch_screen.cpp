#include "download/screens/automatic_fetch_screen.h"

#include "download/block_fetch.h"
#include "download/download_setup.h"
#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "download/screens/download_screen_steps.h"
#include "shell/session.h"
#include "shell/status_panels.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

} // namespace

AutomaticFetchScreen::AutomaticFetchScreen(Session& session, const AutomaticRange& range,
                                           DigitalInputFlags flags, QWidget* parent)
    : QWidget(parent), session_(session), range_(range), digitalInputs_(flags),
      view_(new BlockGridView(grid_, this)), progress_(new DownloadProgressBar(this)),
      save_(new QPushButton(text(texts::saveButton), this)),
      exit_(new QPushButton(text(texts::exitButton), this)) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(text(texts::automaticTitle));
    view_->setObjectName(QStringLiteral("grid"));
    save_->setObjectName(QStringLiteral("Command1"));
    exit_->setObjectName(QStringLiteral("Command2"));
    save_->setEnabled(false);
    exit_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(view_, 1);

    BlockGrid::Descriptions descriptions;
    readChannelDescriptions(session_.loggerSetupPath, session_.loggerRecords.channel, descriptions);
    grid_.setupBlockGrid(descriptions, range_.first, range_.count());

    connect(save_, &QPushButton::clicked, this, &AutomaticFetchScreen::save);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    // The fetch starts once the screen is up, so the user watches it fill.
    QTimer::singleShot(0, this, &AutomaticFetchScreen::fetch);
}

void AutomaticFetchScreen::fetch() {
    auto conversation = session_.link.startConversation();
    FetchResult result{FetchEnd::Stopped, 0};
    if (conversation) {
        fetching_ = true;
        session_.link.showBusyPointer(true);
        result = fetchIntoGrid(session_, conversation, range_.first, range_.last, grid_, *view_,
                               *progress_, digitalInputs_);
        fetching_ = false;
    }
    // Only a complete download may be saved, so the download pointer never
    // skips a block; after a failure the user can still leave.
    save_->setEnabled(result.end == FetchEnd::Complete);
    exit_->setEnabled(true);
    if (closeAfterFetch_)
        close();
}

void AutomaticFetchScreen::save() {
    const auto path = session_.files.chooseSaveFile(
        {session_.programFolder, text(texts::saveFilter), text(texts::saveExtension)});
    if (!path || path->isEmpty())
        return;
    const AutomaticSave saved =
        saveAutomaticDownload(session_.systemFilePath, session_.systemRecords, grid_,
                              grid_.blockCount(), *path, QDate::currentDate());
    if (!saved) {
        session_.prompter.message(automaticSaveFailureText(saved), MessageIcon::Critical);
        return;
    }
    session_.dataFileName = dataFileNameOf(session_.systemRecords.dataDirectory);
    session_.prompter.message(text(texts::dataSaved) + *path, MessageIcon::Exclamation);
    showDownloadPointer(session_.status, session_.systemRecords.downloadPointer);
    resumeScanningOnce();
}

void AutomaticFetchScreen::resumeScanningOnce() {
    if (resumed_)
        return;
    if (auto conversation = session_.link.startConversation()) {
        resumed_ = true;
        conversation->resumeScanning(session_.loggerSetupPath, session_.loggerRecords.par);
    }
}

void AutomaticFetchScreen::closeEvent(QCloseEvent* event) {
    if (fetching_) {
        closeAfterFetch_ = true;
        session_.link.requestStop();
        event->ignore();
        return;
    }
    if (session_.link.busy() ||
        (!closeAfterFetch_ &&
         !session_.prompter.askYesNo(text(texts::confirmExit), MessageIcon::None))) {
        event->ignore();
        return;
    }
    resumeScanningOnce();
    event->accept();
}

} // namespace korven
