#include "download/screens/data_viewer_screen.h"

#include "download/block_csv.h"
#include "download/block_table_file.h"
#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/chart_screen.h"
#include "download/screens/download_progress_bar.h"
#include "download/screens/download_screen_steps.h"
#include "link/protocol/block_numbers.h"
#include "platform/widgets/named_button.h"
#include "platform/widgets/screen_frame.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

// Rows for blocks 0 to 4099, as the logger's pointer field allows.
constexpr int kLastBlock = 4099;

QSpinBox* blockField(const QString& name, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(name);
    field->setRange(0, kLastBlock);
    return field;
}

} // namespace

DataViewerScreen::DataViewerScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), view_(new BlockGridView(grid_, this)),
      startBlock_(blockField(QStringLiteral("VScroll1"), this)),
      endBlock_(blockField(QStringLiteral("VScroll2"), this)),
      start_(namedButton(QStringLiteral("Command4"), texts::startButton, this)),
      save_(namedButton(QStringLiteral("Command1"), texts::saveButton, this)),
      export_(namedButton(QStringLiteral("exportCsv"), texts::exportCsvButton, this)),
      archive_(namedButton(QStringLiteral("saveToArchive"), texts::saveToArchiveButton, this)),
      chart_(namedButton(QStringLiteral("chart"), texts::chartButton, this)),
      clear_(namedButton(QStringLiteral("Command2"), texts::clearButton, this)),
      status_(new QLabel(this)), progress_(new DownloadProgressBar(this)),
      job_(session.link, session.installation), guard_(session, [this] { return windowTitle(); }) {
    setObjectName(screen_name::blockViewer);
    guard_.setResume([this] { return job_.loggerWoken(); }, [this] { job_.resume(); });
    setWindowTitle(texts::viewerTitle);
    view_->setObjectName(QStringLiteral("grid"));
    status_->setObjectName(QStringLiteral("statusLabel"));
    QPushButton* exit = namedButton(QStringLiteral("Command3"), texts::exitButton, this);

    auto* dataFrame = new QGroupBox(texts::dataFrame, this);
    auto* dataLayout = new QHBoxLayout(dataFrame);
    dataLayout->addWidget(new QLabel(texts::startBlock, dataFrame));
    dataLayout->addWidget(startBlock_);
    dataLayout->addWidget(new QLabel(texts::endBlock, dataFrame));
    dataLayout->addWidget(endBlock_);
    dataLayout->addWidget(start_);
    auto* saveFrame = new QGroupBox(texts::saveFrame, this);
    auto* saveLayout = new QHBoxLayout(saveFrame);
    saveLayout->addWidget(save_);
    saveLayout->addWidget(archive_);
    saveLayout->addWidget(export_);

    // The buttons outside the frames stand on the same line as those inside.
    auto* loose = new QHBoxLayout;
    loose->setContentsMargins(
        0, 0, 0, dataFrame->contentsMargins().bottom() + dataLayout->contentsMargins().bottom());
    loose->addWidget(clear_);
    loose->addWidget(chart_);
    loose->addStretch();
    loose->addWidget(exit);
    auto* controls = new QHBoxLayout;
    controls->addWidget(dataFrame);
    controls->addWidget(saveFrame);
    controls->addLayout(loose);
    controls->setAlignment(loose, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(view_, 1);

    session_.link.state().callerScreen = screen_name::blockViewer;
    session_.progressLabels.attach(screen_name::blockViewer, this, [this](const QString& text) {
        status_->setText(texts::wakingLogger + QStringLiteral("   ") + text);
    });
    job_.readChannels();
    grid_.setupBlockGrid(job_.descriptions(), 0, kLastBlock + 1);

    connect(start_, &QPushButton::clicked, this, &DataViewerScreen::startDownload);
    connect(save_, &QPushButton::clicked, this, &DataViewerScreen::saveRange);
    connect(export_, &QPushButton::clicked, this, &DataViewerScreen::exportRange);
    connect(archive_, &QPushButton::clicked, this, [this] {
        const auto [first, last] = chosenRange();
        archiveRange(session_, grid_, first, last);
    });
    archive_->setEnabled(static_cast<bool>(session_.archiveBlocks));
    connect(chart_, &QPushButton::clicked, this, &DataViewerScreen::showChart);
    connect(clear_, &QPushButton::clicked, this, &DataViewerScreen::clearRows);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(view_, &BlockGridView::blockPressed, this, &DataViewerScreen::markBlock);
}

DataViewerScreen::~DataViewerScreen() {
    session_.progressLabels.detach(screen_name::blockViewer, this);
}

void DataViewerScreen::startDownload() {
    if (guard_.running())
        return;
    job_.readPortSettings();
    job_.readDigitalInputs();
    if (endBlock_->value() < startBlock_->value())
        startBlock_->setValue(endBlock_->value());
    guard_.run([this] { download(startBlock_->value(), endBlock_->value()); });
    if (guard_.closeDue())
        close();
}

void DataViewerScreen::download(int first, int last) {
    if (session_.link.busy())
        return;
    setDownloading(true);
    session_.linkReporter.busy(true);
    status_->setText(texts::wakingLogger);
    const LinkStatus awake = job_.wake();
    status_->clear();
    if (awake == LinkStatus::PortFailed) {
        // Nothing went out: the user can set the port right and start again.
        session_.linkReporter.busy(false);
        reportPortFailure(session_, job_.portError());
        setDownloading(false);
        return;
    }
    if (awake != LinkStatus::Ok) {
        // Nothing was fetched: the screen goes, as it does when the logger
        // cannot be reached.
        session_.link.state().linkAborted = false;
        setDownloading(false);
        guard_.leaveWhenDone();
        return;
    }

    // A block the logger does not hold comes back from an old slot of its
    // ring or as empty memory: the user is warned before such a range.
    if (const RangeQuery held = job_.queryRange(); held.status == LinkStatus::Ok) {
        const int oldest = std::max(held.loggerNext - kBlocksInMemory, 0);
        if ((first < oldest || last >= held.loggerNext) &&
            !session_.prompter.askYesNo(texts::rangeNotHeld.arg(oldest).arg(held.loggerNext - 1),
                                        MessageIcon::Exclamation, true)) {
            setDownloading(false);
            return;
        }
    }

    // A block that cannot be fetched ends the download, but the rows already
    // in stay on screen and can be saved.
    const FetchResult result =
        job_.fetch(first, last, grid_, 0, screenObserver(session_, *view_, *progress_));
    if (result.fetched > 0) {
        const int fetchedLast = first + result.fetched - 1;
        unsavedFirst_ = unsavedFirst_ < 0 ? first : std::min(unsavedFirst_, first);
        unsavedLast_ = std::max(unsavedLast_, fetchedLast);
    }
    setDownloading(false);
}

std::pair<int, int> DataViewerScreen::chosenRange() {
    const int first = startBlock_->value();
    if (endBlock_->value() < first) {
        // The range saved is never reversed: the end comes up to the start.
        endBlock_->setValue(first);
        grid_.setMark(BlockGrid::Mark::Start, first);
        grid_.setMark(BlockGrid::Mark::End, first);
    }
    return {first, endBlock_->value()};
}

void DataViewerScreen::saveRange() {
    const auto [first, last] = chosenRange();
    // Rows of blanks are no blocks: a cleared grid, or a range never
    // downloaded, gives no table.
    if (rowsWithData(grid_, first, last).isEmpty()) {
        session_.prompter.message(texts::nothingToSave, MessageIcon::Exclamation);
        return;
    }
    const auto path = chooseSaveFile(session_, texts::saveFilter, texts::saveExtension);
    if (!path)
        return;
    const BlockTableSave saved = saveBlockTable(*path, grid_, first, last);
    if (saved.outcome == BlockTableSave::Outcome::InvalidName) {
        session_.prompter.message(texts::fileNameNotValid, MessageIcon::Critical);
    } else if (!saved) {
        session_.prompter.message(texts::tableNotWritten.arg(*path, saved.error),
                                  MessageIcon::Critical);
    } else {
        status_->setText(texts::blocksSaved.arg(last - first + 1).arg(*path));
        unsavedFirst_ = unsavedLast_ = -1;
    }
}

void DataViewerScreen::exportRange() {
    const auto [first, last] = chosenRange();
    exportCsv(session_, grid_, first, last, job_.channels(), *status_);
}

void DataViewerScreen::showChart() {
    if (rowsWithData(grid_, grid_.firstBlock(), grid_.lastBlock()).isEmpty()) {
        session_.prompter.message(texts::nothingToExport, MessageIcon::Exclamation);
        return;
    }
    showBeside(this, new ChartScreen(chartLines(grid_, job_.channels())));
}

void DataViewerScreen::clearRows() {
    if (!session_.prompter.askYesNo(texts::clearQuestion, MessageIcon::None, true))
        return;
    grid_.clearBlockGrid();
    unsavedFirst_ = unsavedLast_ = -1;
}

void DataViewerScreen::offerUnsavedRows() {
    if (unsavedFirst_ < 0)
        return;
    const auto rows = rowsWithData(grid_, unsavedFirst_, unsavedLast_).size();
    if (rows == 0 || !session_.prompter.askYesNo(texts::offerToSave.arg(rows), MessageIcon::None))
        return;
    const auto path = chooseSaveFile(session_, texts::saveFilter, texts::saveExtension);
    if (!path)
        return;
    if (const BlockTableSave saved = saveBlockTable(*path, grid_, unsavedFirst_, unsavedLast_);
        !saved)
        session_.prompter.message(texts::tableNotWritten.arg(*path, saved.error),
                                  MessageIcon::Critical);
}

void DataViewerScreen::markBlock(int block, Qt::MouseButton button) {
    const bool start = button == Qt::LeftButton;
    (start ? startBlock_ : endBlock_)->setValue(block);
    grid_.setMark(start ? BlockGrid::Mark::Start : BlockGrid::Mark::End, block);
}

void DataViewerScreen::setDownloading(bool downloading) {
    const std::initializer_list<QWidget*> controls{startBlock_, endBlock_, start_, save_,
                                                   export_,     chart_,    clear_};
    for (QWidget* control : controls)
        control->setEnabled(!downloading);
    archive_->setEnabled(!downloading && session_.archiveBlocks);
}

void DataViewerScreen::closeEvent(QCloseEvent* event) {
    if (!guard_.mayClose()) {
        event->ignore();
        return;
    }
    if (session_.exiting)
        offerUnsavedRows();
    event->accept();
}

QWidget* makeDataViewerScreen(Session& session) {
    return new DataViewerScreen(session);
}

} // namespace korven
