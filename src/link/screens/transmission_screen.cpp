#include "link/screens/transmission_screen.h"

#include "link/link_texts.h"
#include "link/resume_scanning.h"
#include "session/identity.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korven {

namespace {

constexpr int kHighestLoggerCode = 9;

} // namespace

TransmissionScreen::TransmissionScreen(Session& session, TransmissionOrder order, QWidget* parent)
    : QDialog(parent), session_(session), order_(std::move(order)),
      code_(new QLineEdit(QStringLiteral("0"), this)), status_(new QLabel(this)),
      confirm_(new QPushButton(QStringLiteral("OK"), this)),
      guard_(session, [this] { return windowTitle(); }) {
    setObjectName(screen_name::transmission);
    setWindowTitle(QStringLiteral("Trasmissione"));
    code_->setObjectName(QStringLiteral("numld2"));
    status_->setObjectName(QStringLiteral("Label2"));
    status_->setMinimumWidth(320);
    confirm_->setObjectName(QStringLiteral("Command3D2"));
    confirm_->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("Uscita"), this);
    exit->setObjectName(QStringLiteral("Command3D1"));
    exit->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Codice KORVEN"), this), 0, 0);
    layout->addWidget(code_, 0, 1);
    layout->addWidget(confirm_, 0, 2);
    layout->addWidget(exit, 0, 3);
    layout->addWidget(status_, 1, 0, 1, 4);

    connect(code_, &QLineEdit::editingFinished, this, &TransmissionScreen::checkCode);
    connect(code_, &QLineEdit::textEdited, this, [this] { codeRefused_ = false; });
    connect(confirm_, &QPushButton::clicked, this, &TransmissionScreen::confirm);
    connect(exit, &QPushButton::clicked, this, &TransmissionScreen::reject);

    // The texts carry CR where a line ends; the label breaks lines at LF.
    session_.progressLabels.attach(screen_name::transmission, this, [this](const QString& text) {
        status_->setText(QString(text).replace(u'\r', u'\n'));
    });
    guard_.setResume([this] { return leftStopped_; }, [this] { resumeLeftStopped(); });
}

TransmissionScreen::~TransmissionScreen() {
    session_.progressLabels.detach(screen_name::transmission, this);
}

bool TransmissionScreen::checkCode() {
    const QString typed = code_->text();
    if (typed == u"0")
        return true;
    const int code = typed.trimmed().toInt();
    if (code >= 1 && code <= kHighestLoggerCode) {
        code_->setText(QString::number(code));
        return true;
    }
    session_.prompter.message(link_texts::invalidValue, MessageIcon::Critical);
    code_->setText(QStringLiteral("0"));
    codeRefused_ = true;
    return false;
}

void TransmissionScreen::confirm() {
    // Leaving the box for the button checks the code first; a code refused
    // there is not sent as the "0" that replaced it: the user types another.
    if (guard_.running() || codeRefused_ || !checkCode())
        return;
    LinkStatus status = LinkStatus::Busy;
    guard_.run([&] {
        // A conversation under way elsewhere keeps the line; this one waits its turn.
        auto conversation = session_.link.startConversation();
        if (!conversation)
            return;
        // The progress goes to this window, whichever window was opened last.
        session_.link.state().callerScreen = screen_name::transmission;
        confirm_->setEnabled(false);
        session_.linkReporter.busy(true);
        status = runOrder(*conversation);
        conversation.reset();
        session_.linkReporter.busy(false);
        confirm_->setEnabled(true);
    });

    if (guard_.closeDue()) {
        reject();
        return;
    }
    if (status == LinkStatus::Busy)
        return;
    if (status == LinkStatus::PortFailed) {
        session_.prompter.message(link_texts::invalidPort, MessageIcon::None);
        return;
    }
    accept();
}

LinkStatus TransmissionScreen::runOrder(Conversation& conversation) {
    const int loggerNumber = code_->text().toInt();
    const TransmissionResult result =
        runTransmission(conversation, session_.installation, {loggerNumber, order_});
    takeIdentity(session_);
    const bool wakeOnly = order_.operation() == TransmissionOrder::Operation::WakeOnly;
    // A logger that did not wake has been reported; the caller has nothing to
    // go on with, as if the user had left.
    if (wakeOnly && result.status == LinkStatus::Ok)
        wokenLogger_ = loggerNumber;
    // Stopped once the line had woken: the close puts it back into scanning.
    leftStopped_ = !wakeOnly && result.status == LinkStatus::Stopped && conversation.heardFrom(0);
    if (result.clock)
        Q_EMIT clockRead(*result.clock);
    if (result.lastBlock)
        Q_EMIT lastBlockRead(*result.lastBlock);
    return result.status;
}

void TransmissionScreen::resumeLeftStopped() {
    auto conversation = session_.link.startConversation();
    if (!conversation)
        return;
    leftStopped_ = false;
    resumeScanning(*conversation, session_.installation.loggerSetupPath,
                   session_.installation.loggerRecords.par);
}

void TransmissionScreen::reject() {
    if (guard_.mayClose())
        QDialog::reject();
}

} // namespace korven
