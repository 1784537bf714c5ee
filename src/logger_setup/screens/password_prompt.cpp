#include "logger_setup/screens/password_prompt.h"

#include "logger_setup/screens/password_texts.h"
#include "session/password_rules.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korven {

PasswordPrompt::PasswordPrompt(Session& session, OpenTarget openTarget, QWidget* parent)
    : QWidget(parent), session_(session), openTarget_(std::move(openTarget)),
      entry_(new QLineEdit(this)) {
    setObjectName(screen_name::passwordPrompt);
    setWindowTitle(QStringLiteral("PASSWORD"));
    entry_->setObjectName(QStringLiteral("Text1"));
    entry_->setEchoMode(QLineEdit::Password);
    auto* confirm = new QPushButton(QStringLiteral("OK"), this);
    confirm->setObjectName(QStringLiteral("Command1"));
    confirm->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("IMMETTERE PASSWORD"), this));
    layout->addWidget(entry_);
    layout->addWidget(confirm);

    connect(confirm, &QPushButton::clicked, this, &PasswordPrompt::confirm);
    connect(entry_, &QLineEdit::returnPressed, this, &PasswordPrompt::confirm);
    entry_->setFocus();
}

void PasswordPrompt::confirm() {
    if (isStoredPassword(session_.settings, entry_->text()))
        openTarget_(session_.pendingPasswordTarget);
    else
        session_.prompter.message(password_texts::wrongInPrompt, MessageIcon::Critical);
    close();
}

} // namespace korven
