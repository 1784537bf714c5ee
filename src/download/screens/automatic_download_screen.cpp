#include "download/screens/automatic_download_screen.h"

#include "download/download_texts.h"
#include "download/screens/automatic_fetch_screen.h"
#include "download/screens/download_screen_steps.h"
#include "platform/widgets/screen_frame.h"
#include "session/file_failure.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

} // namespace

AutomaticDownloadScreen::AutomaticDownloadScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), message_(new QLabel(this)), progress_(new QLabel(this)),
      startFrame_(new QWidget(this)), information_(new QLabel(startFrame_)),
      job_(std::make_unique<DownloadJob>(session.link, session.installation)),
      guard_(session, [this] { return windowTitle(); }) {
    setObjectName(screen_name::automaticDownload);
    guard_.setResume([this] { return job_->loggerWoken(); }, [this] { job_->resume(); });
    setWindowTitle(texts::automaticTitle);
    message_->setObjectName(QStringLiteral("messageLine"));
    progress_->setObjectName(QStringLiteral("statusLabel"));
    startFrame_->setObjectName(QStringLiteral("startFrame"));
    information_->setObjectName(QStringLiteral("informationLine"));

    auto* start = new QPushButton(texts::startButton, startFrame_);
    start->setObjectName(QStringLiteral("Command1"));
    auto* frameLayout = new QVBoxLayout(startFrame_);
    frameLayout->addWidget(information_);
    frameLayout->addWidget(start);
    startFrame_->hide();

    auto* leave = new QPushButton(texts::leaveButton, this);
    leave->setObjectName(QStringLiteral("Command2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(progress_);
    layout->addWidget(startFrame_);
    layout->addWidget(leave);

    session_.progressLabels.attach(screen_name::automaticDownload, this,
                                   [this](const QString& text) { progress_->setText(text); });
    connect(start, &QPushButton::clicked, this, &AutomaticDownloadScreen::startFetch);
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
    // The logger is woken once the screen is up, so the user watches it.
    QTimer::singleShot(0, this, &AutomaticDownloadScreen::load);
}

AutomaticDownloadScreen::~AutomaticDownloadScreen() {
    session_.progressLabels.detach(screen_name::automaticDownload, this);
}

void AutomaticDownloadScreen::load() {
    const bool ran = guard_.run([this] {
        if (!wakeAndAsk() && !guard_.closeDue())
            guard_.leaveWithoutResume();
    });
    // Another window keeps the line, as the user has been told.
    if (!ran)
        guard_.leaveWhenDone();
    if (guard_.closeDue())
        close();
}

bool AutomaticDownloadScreen::lockInstallation() {
    const FileStatus locked = job_->lockInstallation();
    if (locked)
        return true;
    if (const std::optional<LockHolder> holder = job_->lockHolder())
        session_.prompter.message(
            texts::installationInUse.arg(
                texts::lockHolder.arg(holder->application).arg(holder->process).arg(holder->host)),
            MessageIcon::Critical);
    else
        reportFileFailure(session_.prompter, locked);
    return false;
}

bool AutomaticDownloadScreen::wakeAndAsk() {
    // Held until the download's last screen goes, so that no other download
    // moves the pointer meanwhile.
    if (!lockInstallation())
        return false;
    LinkState& link = session_.link.state();
    link.callerScreen = screen_name::automaticDownload;
    link.linkAborted = false;
    job_->readDownloadPointer();
    range_.first = job_->downloadPointer();
    message_->setText(texts::wakingLogger);
    job_->readPortSettings();
    const LinkStatus awake = job_->wake();
    progress_->clear();
    if (awake == LinkStatus::PortFailed) {
        // The screen stays, so the user reads what is wrong and leaves.
        message_->clear();
        reportPortFailure(session_, job_->portError());
        return true;
    }
    if (awake == LinkStatus::Ok)
        queryLastBlock();
    const bool failed = awake != LinkStatus::Ok || link.linkAborted;
    link.linkAborted = false;
    return !failed;
}

void AutomaticDownloadScreen::queryLastBlock() {
    message_->setText(texts::askingLastBlock);
    const RangeQuery query = job_->queryRange();
    message_->clear();
    // A logger that answered wrongly, or whose answer cannot be trusted, stays
    // on this screen: the user leaves with "Uscire", which puts it back into
    // scanning.
    if (query.status != LinkStatus::Ok)
        return;
    range_ = query.range;
    if (range_.behindPointer && !range_.loggerEmpty) {
        // The logger was cleared or replaced: its blocks from 0 on were never
        // downloaded, and the user may fetch them.
        if (!session_.prompter.askYesNo(texts::pointerBeyondLogger + texts::offerFromStart,
                                        MessageIcon::Critical))
            return;
        range_ = planAutomaticRange(job_->downloadPointer(), query.loggerNext, true);
    }
    if (range_.loggerEmpty) {
        session_.prompter.message(texts::noBlocksStored, MessageIcon::Exclamation);
        return;
    }
    if (range_.nothingNew()) {
        session_.prompter.message(texts::pointerBeyondLogger, MessageIcon::Critical);
        return;
    }
    information_->setText(plannedDownloadText(range_));
    startFrame_->show();
}

void AutomaticDownloadScreen::startFetch() {
    job_->readDigitalInputs();
    job_->readChannels();
    // The second screen now owns the woken logger and puts it back into
    // scanning when it is done.
    showBeside(this, new AutomaticFetchScreen(session_, std::move(job_), range_));
    job_ = std::make_unique<DownloadJob>(session_.link, session_.installation);
    session_.link.state().callerScreen.clear();
    close();
}

void AutomaticDownloadScreen::closeEvent(QCloseEvent* event) {
    if (guard_.mayClose())
        event->accept();
    else
        event->ignore();
}

QWidget* makeAutomaticDownloadScreen(Session& session) {
    return new AutomaticDownloadScreen(session);
}

} // namespace korven
