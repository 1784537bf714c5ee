#include "logger_setup/screens/password_switch_screen.h"

#include "logger_setup/screens/password_texts.h"
#include "session/file_failure.h"
#include "session/password_rules.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

PasswordSwitchScreen::PasswordSwitchScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), entry_(new QLineEdit(this)) {
    setObjectName(screen_name::passwordSwitch);
    setWindowTitle(session.settings.passwordActive() ? QStringLiteral("DISATTIVA PASSWORD")
                                                     : QStringLiteral("ATTIVA PASSWORD"));
    auto* frame = new QGroupBox(QStringLiteral("Immettere la Password"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    entry_->setObjectName(QStringLiteral("Text1"));
    entry_->setEchoMode(QLineEdit::Password);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(entry_);

    auto* confirm = new QPushButton(QStringLiteral("OK"), this);
    confirm->setObjectName(QStringLiteral("Command1"));
    auto* leave = new QPushButton(QStringLiteral("&Uscita"), this);
    leave->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(leave);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(confirm, &QPushButton::clicked, this, &PasswordSwitchScreen::confirm);
    connect(entry_, &QLineEdit::returnPressed, this, &PasswordSwitchScreen::confirm);
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
    entry_->setFocus();
}

void PasswordSwitchScreen::confirm() {
    if (!isStoredPassword(session_.settings, entry_->text())) {
        session_.prompter.message(password_texts::wrongInSwitch, MessageIcon::Critical);
        return;
    }
    const bool wasActive = session_.settings.passwordActive();
    session_.prompter.message(wasActive ? password_texts::switchedOff : password_texts::switchedOn,
                              MessageIcon::Information);
    reportFileFailure(session_.prompter, session_.settings.filePath(),
                      session_.settings.savePasswordActive(!wasActive));
    close();
}

} // namespace korven
