#include "download/screens/automatic_download_screen.h"

#include "download/download_texts.h"
#include "download/screens/automatic_fetch_screen.h"
#include "download/screens/download_screen_steps.h"
#include "platform/widgets/screen_frame.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

} // namespace

AutomaticDownloadScreen::AutomaticDownloadScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), message_(new QLabel(this)), progress_(new QLabel(this)),
      startFrame_(new QWidget(this)), information_(new QLabel(startFrame_)),
      job_(std::make_unique<DownloadJob>(session.link, session.installation)) {
    setObjectName(screen_name::automaticDownload);
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
}

AutomaticDownloadScreen::~AutomaticDownloadScreen() {
    session_.progressLabels.detach(screen_name::automaticDownload, this);
}

bool AutomaticDownloadScreen::load() {
    LinkState& link = session_.link.state();
    link.callerScreen = screen_name::automaticDownload;
    link.linkAborted = false;
    job_->readDownloadPointer();
    range_.first = job_->downloadPointer();
    message_->setText(texts::wakingLogger);
    job_->readPortSettings();
    if (job_->wake() != LinkStatus::Ok)
        return false;
    queryLastBlock();
    return !link.linkAborted;
}

void AutomaticDownloadScreen::queryLastBlock() {
    message_->setText(texts::askingLastBlock);
    const RangeQuery query = job_->queryRange();
    // A logger that answered wrongly, or whose answer cannot be trusted, stays
    // on this screen: the user leaves with "Uscire", which puts it back into
    // scanning.
    if (query.status != LinkStatus::Ok)
        return;
    range_ = query.range;
    if (range_.nothingNew()) {
        session_.prompter.message(texts::pointerBeyondLogger, MessageIcon::Critical);
        return;
    }
    message_->clear();
    information_->setText(plannedDownloadText(range_));
    startFrame_->show();
}

void AutomaticDownloadScreen::startFetch() {
    job_->readDigitalInputs();
    job_->readDescriptions();
    // The second screen now owns the woken logger and puts it back into
    // scanning when it is done.
    showBeside(this, new AutomaticFetchScreen(session_, std::move(job_), range_));
    job_ = std::make_unique<DownloadJob>(session_.link, session_.installation);
    session_.link.state().callerScreen.clear();
    close();
}

void AutomaticDownloadScreen::closeEvent(QCloseEvent* event) {
    closeReleasingLogger(session_, *job_, event);
}

QWidget* makeAutomaticDownloadScreen(Session& session) {
    auto* screen = new AutomaticDownloadScreen(session);
    if (screen->load())
        return screen;
    // The menu drops a screen whose link failed while it was loading.
    session.link.state().linkAborted = false;
    delete screen;
    return nullptr;
}

} // namespace korven
