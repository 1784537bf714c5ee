#include "logger_setup/screens/password_change_screen.h"

#include "logger_setup/screens/password_texts.h"
#include "platform/widgets/focus_watch.h"
#include "session/file_failure.h"
#include "session/password_rules.h"
#include "session/screen_names.h"
#include "session/session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korven {
namespace {

QLineEdit* passwordField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

PasswordChangeScreen::PasswordChangeScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session),
      oldPassword_(passwordField(QStringLiteral("Text1"), this)),
      newPassword_(passwordField(QStringLiteral("Text2"), this)),
      confirmation_(passwordField(QStringLiteral("Text3"), this)),
      confirm_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(screen_name::passwordChange);
    setWindowTitle(QStringLiteral("Modifica Password"));
    confirm_->setObjectName(QStringLiteral("Command1"));
    confirm_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Command2"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Vecchia Password"), this), 0, 0);
    fields->addWidget(oldPassword_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Nuova Password"), this), 1, 0);
    fields->addWidget(newPassword_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Conferma nuova password"), this), 2, 0);
    fields->addWidget(confirmation_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    FocusWatch::onLeft(oldPassword_, [this] { leaveOldPassword(); });
    FocusWatch::onEntered(newPassword_, [this] { enterNewPassword(); });
    FocusWatch::onEntered(confirmation_, [this] { enterNewPassword(); });
    FocusWatch::onLeft(confirmation_, [this] { leaveConfirmation(); });
    // A new password changed after it was confirmed must be confirmed again.
    connect(newPassword_, &QLineEdit::textEdited, confirm_,
            [this] { confirm_->setEnabled(false); });
    connect(confirmation_, &QLineEdit::textEdited, confirm_,
            [this] { confirm_->setEnabled(false); });
    connect(confirm_, &QPushButton::clicked, this, &PasswordChangeScreen::confirm);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

bool PasswordChangeScreen::oldPasswordAccepted() const {
    return isAcceptedOldPassword(session_.settings, oldPassword_->text());
}

void PasswordChangeScreen::leaveOldPassword() {
    if (oldPasswordAccepted())
        return;
    session_.prompter.message(password_texts::wrongOld, MessageIcon::Critical);
    oldPassword_->setFocus();
}

void PasswordChangeScreen::enterNewPassword() {
    if (oldPasswordAccepted())
        return;
    session_.prompter.message(password_texts::oldFirst, MessageIcon::Critical);
    oldPassword_->setFocus();
}

void PasswordChangeScreen::leaveConfirmation() {
    if (confirmation_->text() != newPassword_->text()) {
        session_.prompter.message(password_texts::mismatch, MessageIcon::Critical);
        return;
    }
    confirm_->setEnabled(true);
}

void PasswordChangeScreen::confirm() {
    // The old password may have been changed after it was left.
    if (!oldPasswordAccepted()) {
        session_.prompter.message(password_texts::oldFirst, MessageIcon::Critical);
        oldPassword_->setFocus();
        return;
    }
    if (reportFileFailure(session_.prompter, session_.settings.filePath(),
                          session_.settings.savePassword(confirmation_->text())))
        return;
    session_.prompter.message(password_texts::changed, MessageIcon::Information);
    close();
}

} // namespace korven
