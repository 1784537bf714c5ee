#include "download/screens/automatic_download_screen.h"

#include "download/download_setup.h"
#include "download/download_texts.h"
#include "download/screens/automatic_fetch_screen.h"
#include "download/screens/download_screen_steps.h"
#include "download/screens/sibling_window.h"
#include "link/link_state.h"
#include "shell/session.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

namespace {

namespace texts = download_texts;

} // namespace

AutomaticDownloadScreen::AutomaticDownloadScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), message_(new QLabel(this)), progress_(new QLabel(this)),
      startFrame_(new QWidget(this)), information_(new QLabel(startFrame_)) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(text(texts::automaticTitle));
    message_->setObjectName(QStringLiteral("messageLine"));
    progress_->setObjectName(QStringLiteral("statusLabel"));
    startFrame_->setObjectName(QStringLiteral("startFrame"));
    information_->setObjectName(QStringLiteral("informationLine"));

    auto* start = new QPushButton(text(texts::startButton), startFrame_);
    start->setObjectName(QStringLiteral("Command1"));
    auto* frameLayout = new QVBoxLayout(startFrame_);
    frameLayout->addWidget(information_);
    frameLayout->addWidget(start);
    startFrame_->hide();

    auto* leave = new QPushButton(text(texts::leaveButton), this);
    leave->setObjectName(QStringLiteral("Command2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(progress_);
    layout->addWidget(startFrame_);
    layout->addWidget(leave);

    session_.link.progress().attach(QString::fromLatin1(caller_screen::automaticDownload), this,
                                    [this](const QString& text) { progress_->setText(text); });
    connect(start, &QPushButton::clicked, this, &AutomaticDownloadScreen::startFetch);
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
}

AutomaticDownloadScreen::~AutomaticDownloadScreen() {
    session_.link.progress().detach(QString::fromLatin1(caller_screen::automaticDownload), this);
}

bool AutomaticDownloadScreen::load() {
    LinkState& link = session_.link.state();
    link.callerScreen = QString::fromLatin1(caller_screen::automaticDownload);
    link.linkAborted = false;
    readDownloadPointer(session_.systemFilePath, session_.systemRecords.downloadPointer,
                        range_.first);
    message_->setText(text(texts::wakingLogger));
    PortSettings port;
    readPortSettings(session_.systemFilePath, session_.systemRecords.identity, port);
    configurePort(session_.port, port);

    auto conversation = session_.link.startConversation();
    if (!conversation)
        return false;
    if (conversation->wakeLogger() != LinkStatus::Ok)
        return false;
    loggerWoken_ = true;
    queryLastBlock(*conversation);
    return !link.linkAborted;
}

void AutomaticDownloadScreen::queryLastBlock(Conversation& conversation) {
    message_->setText(text(texts::askingLastBlock));
    const LastBlockQuery query = queryLastStoredBlock(conversation);
    switch (query.end) {
    case QueryEnd::Ok:
        break;
    case QueryEnd::NoAnswer:
        conversation.showNotConnected();
        conversation.markLinkFailed();
        return;
    case QueryEnd::Malformed:
        // The logger is there but its answer cannot be trusted: the user
        // leaves with "Uscire", which puts it back into scanning.
        conversation.showTransmissionError();
        return;
    case QueryEnd::WrongAnswer:
        return;
    case QueryEnd::Stopped:
        conversation.markLinkFailed();
        return;
    }

    range_.last = query.lastStoredBlock;
    if (range_.nothingNew()) {
        session_.prompter.message(text(texts::pointerBeyondLogger), MessageIcon::Critical);
        return;
    }
    message_->clear();
    information_->setText(plannedDownloadText(range_));
    startFrame_->show();
}

void AutomaticDownloadScreen::startFetch() {
    DigitalInputFlags flags;
    readDigitalInputFlags(session_.loggerSetupPath, session_.loggerRecords.par, flags);
    // The second screen now owns the woken logger and puts it back into
    // scanning when it is done.
    loggerWoken_ = false;
    showBeside(this, new AutomaticFetchScreen(session_, range_, flags));
    session_.link.state().callerScreen.clear();
    close();
}

void AutomaticDownloadScreen::closeEvent(QCloseEvent* event) {
    closeReleasingLogger(session_, loggerWoken_, event);
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
