#include "download/screens/automatic_fetch_screen.h"

#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "download/screens/download_screen_steps.h"
#include "session/screen_names.h"
#include "session/session.h"
#include "session/status_panels.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

} // namespace

AutomaticFetchScreen::AutomaticFetchScreen(Session& session, std::unique_ptr<DownloadJob> job,
                                           const AutomaticRange& range, QWidget* parent)
    : QWidget(parent), session_(session), job_(std::move(job)), range_(range),
      view_(new BlockGridView(grid_, this)), progress_(new DownloadProgressBar(this)),
      save_(new QPushButton(texts::saveButton, this)),
      export_(new QPushButton(texts::exportCsvButton, this)),
      archive_(new QPushButton(texts::saveToArchiveButton, this)),
      exit_(new QPushButton(texts::exitButton, this)), report_(new QLabel(this)),
      guard_(session, [this] { return windowTitle(); }) {
    setObjectName(screen_name::automaticFetch);
    guard_.setResume([this] { return job_->loggerWoken(); }, [this] { job_->resume(); });
    setWindowTitle(texts::automaticTitle);
    view_->setObjectName(QStringLiteral("grid"));
    save_->setObjectName(QStringLiteral("Command1"));
    exit_->setObjectName(QStringLiteral("Command2"));
    export_->setObjectName(QStringLiteral("exportCsv"));
    archive_->setObjectName(QStringLiteral("saveToArchive"));
    archive_->setEnabled(false);
    report_->setObjectName(QStringLiteral("reportLine"));
    save_->setEnabled(false);
    export_->setEnabled(false);
    exit_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(archive_);
    buttons->addWidget(export_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(report_);
    layout->addWidget(view_, 1);

    grid_.setupBlockGrid(job_->descriptions(), range_.first, range_.count());

    connect(save_, &QPushButton::clicked, this, &AutomaticFetchScreen::save);
    connect(export_, &QPushButton::clicked, this, &AutomaticFetchScreen::exportFetched);
    connect(archive_, &QPushButton::clicked, this,
            [this] { archiveRange(session_, grid_, range_.first, range_.first + fetched_ - 1); });
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    // The fetch starts once the screen is up, so the user watches it fill.
    QTimer::singleShot(0, this, &AutomaticFetchScreen::fetch);
}

void AutomaticFetchScreen::fetch() {
    FetchResult result{FetchEnd::Stopped, 0};
    if (!session_.link.busy()) {
        guard_.run([&] {
            result = job_->fetch(range_.first, range_.last, grid_, 0,
                                 screenObserver(session_, *view_, *progress_));
        });
    }
    // Only a complete download may be saved, so the download pointer never
    // skips a block; after a failure the user can still leave.
    save_->setEnabled(result.end == FetchEnd::Complete);
    // An export moves no pointer, so the blocks that did come may go out.
    fetched_ = result.fetched;
    export_->setEnabled(fetched_ > 0);
    archive_->setEnabled(fetched_ > 0 && session_.archiveBlocks);
    exit_->setEnabled(true);
    if (guard_.closeDue())
        close();
}

void AutomaticFetchScreen::save() {
    const auto path = chooseSaveFile(session_, texts::saveFilter, texts::saveExtension);
    if (!path)
        return;
    const AutomaticSave saved =
        job_->saveAutomatic(grid_, grid_.blockCount(), *path, QDate::currentDate());
    if (!saved) {
        session_.prompter.message(automaticSaveFailureText(saved), MessageIcon::Critical);
        return;
    }
    session_.dataFileName = dataFileNameOf(session_.installation.systemRecords.dataDirectory);
    session_.prompter.message(texts::dataSaved + *path, MessageIcon::Exclamation);
    report_->setText(texts::blocksSaved.arg(grid_.blockCount()).arg(*path));
    showDownloadPointer(session_.status, session_.installation.systemRecords.downloadPointer);
    if (session_.settings.archivesEveryDownload())
        archiveRange(session_, grid_, range_.first, range_.last);
    job_->resume();
}

void AutomaticFetchScreen::exportFetched() {
    exportCsv(session_, grid_, range_.first, range_.first + fetched_ - 1, job_->channels(),
              *report_);
}

void AutomaticFetchScreen::closeEvent(QCloseEvent* event) {
    // A close during the fetch, or once the user has confirmed leaving the
    // program, is not asked about.
    const bool confirmed = guard_.running() || guard_.closeDue() || session_.exiting;
    if (!confirmed && !session_.prompter.askYesNo(texts::confirmExit, MessageIcon::None)) {
        event->ignore();
        return;
    }
    if (guard_.mayClose())
        event->accept();
    else
        event->ignore();
}

} // namespace korven
