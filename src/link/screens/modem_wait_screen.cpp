#include "link/screens/modem_wait_screen.h"

#include "link/modem/modem_texts.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

ModemWaitScreen::ModemWaitScreen(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session), status_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Connessione"), this)) {
    setObjectName(screen_name::modemWait);
    setWindowTitle(QStringLiteral("KORVEN"));

    auto* title = new QLabel(modem_texts::waitTitle, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    title->setFont(bold);
    status_->setObjectName(QStringLiteral("Label2"));
    status_->setAlignment(Qt::AlignCenter);
    // Room for the longest text ("Colloquio ... ---------->") and three lines
    // of the call's, so the screen keeps its size as they change.
    status_->setMinimumSize(status_->fontMetrics().horizontalAdvance(modem_texts::talkingStep(4) +
                                                                     QStringLiteral("    ")),
                            status_->fontMetrics().lineSpacing() * 3);
    stop_->setObjectName(QStringLiteral("Command1"));
    stop_->setAutoDefault(false);
    stop_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(status_);
    layout->addWidget(stop_, 0, Qt::AlignCenter);

    connect(stop_, &QPushButton::clicked, this, &ModemWaitScreen::stopCall);
    session_.progressLabels.attach(screen_name::modemWait, this,
                                   [this](const QString& text) { showStatus(text); });
}

ModemWaitScreen::~ModemWaitScreen() {
    session_.progressLabels.detach(screen_name::modemWait, this);
}

void ModemWaitScreen::showStatus(const QString& text) {
    // The label breaks lines at LF.
    status_->setText(QString(text).replace(u'\r', u'\n'));
}

void ModemWaitScreen::offerStop(bool offered) {
    stop_->setVisible(offered);
}

void ModemWaitScreen::reject() {
    if (stop_->isVisible())
        stopCall();
}

// The call's wait sees the request at its next round and hangs up.
void ModemWaitScreen::stopCall() {
    showStatus(modem_texts::stopping);
    session_.modem.stop = true;
}

} // namespace korven
