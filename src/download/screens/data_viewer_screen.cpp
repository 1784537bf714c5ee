#include "download/screens/data_viewer_screen.h"

#include "download/block_table_file.h"
#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "download/screens/download_screen_steps.h"
#include "platform/widgets/named_button.h"
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
      clear_(namedButton(QStringLiteral("Command2"), texts::clearButton, this)),
      progress_(new DownloadProgressBar(this)), job_(session.link, session.installation) {
    setObjectName(screen_name::blockViewer);
    setWindowTitle(texts::viewerTitle);
    view_->setObjectName(QStringLiteral("grid"));
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

    auto* controls = new QHBoxLayout;
    controls->addWidget(dataFrame);
    controls->addWidget(saveFrame);
    controls->addWidget(clear_);
    controls->addStretch();
    controls->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(progress_);
    layout->addWidget(view_, 1);

    session_.link.state().callerScreen = screen_name::blockViewer;
    job_.readDescriptions();
    grid_.setupBlockGrid(job_.descriptions(), 0, kLastBlock + 1);

    connect(start_, &QPushButton::clicked, this, &DataViewerScreen::startDownload);
    connect(save_, &QPushButton::clicked, this, &DataViewerScreen::saveRange);
    connect(clear_, &QPushButton::clicked, &grid_, &BlockGrid::clearBlockGrid);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(view_, &BlockGridView::blockPressed, this, &DataViewerScreen::markBlock);
}

void DataViewerScreen::startDownload() {
    if (downloading_)
        return;
    job_.readPortSettings();
    job_.readDigitalInputs();
    if (endBlock_->value() < startBlock_->value())
        startBlock_->setValue(endBlock_->value());
    download(startBlock_->value(), endBlock_->value());
    if (closeAfterDownload_)
        close();
}

void DataViewerScreen::download(int first, int last) {
    if (session_.link.busy())
        return;
    setDownloading(true);
    session_.linkReporter.busy(true);
    if (job_.wake() != LinkStatus::Ok) {
        // Nothing was fetched: the screen goes, as it does when the logger
        // cannot be reached.
        session_.link.state().linkAborted = false;
        setDownloading(false);
        closeAfterDownload_ = true;
        return;
    }

    // A block that cannot be fetched ends the download, but the rows already
    // in stay on screen and can be saved.
    job_.fetch(first, last, grid_, 0, screenObserver(session_, *view_, *progress_));
    setDownloading(false);
}

void DataViewerScreen::saveRange() {
    const int first = startBlock_->value();
    if (endBlock_->value() < first) {
        // The range saved is never reversed: the end comes up to the start.
        endBlock_->setValue(first);
        grid_.setMark(BlockGrid::Mark::Start, first);
        grid_.setMark(BlockGrid::Mark::End, first);
    }
    const int last = endBlock_->value();
    const auto path = session_.files.chooseSaveFile({});
    if (!path || path->isEmpty())
        return;
    const BlockTableSave saved = saveBlockTable(*path, grid_, first, last);
    if (saved.outcome == BlockTableSave::Outcome::InvalidName)
        session_.prompter.message(texts::fileNameNotValid, MessageIcon::Critical);
    else if (!saved)
        session_.prompter.message(texts::tableNotWritten.arg(*path, saved.error),
                                  MessageIcon::Critical);
}

void DataViewerScreen::markBlock(int block, Qt::MouseButton button) {
    const bool start = button == Qt::LeftButton;
    (start ? startBlock_ : endBlock_)->setValue(block);
    grid_.setMark(start ? BlockGrid::Mark::Start : BlockGrid::Mark::End, block);
}

void DataViewerScreen::setDownloading(bool downloading) {
    downloading_ = downloading;
    const std::initializer_list<QWidget*> controls{startBlock_, endBlock_, start_, save_, clear_};
    for (QWidget* control : controls)
        control->setEnabled(!downloading);
}

void DataViewerScreen::closeEvent(QCloseEvent* event) {
    if (downloading_) {
        closeAfterDownload_ = true;
        session_.link.requestStop();
        event->ignore();
        return;
    }
    closeReleasingLogger(session_, job_, event);
}

QWidget* makeDataViewerScreen(Session& session) {
    return new DataViewerScreen(session);
}

} // namespace korven
