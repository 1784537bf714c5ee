#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace korven {

struct Session;

// "Modifica Password": the old password, then the new one twice.
class PasswordChangeScreen : public QWidget {
    Q_OBJECT
public:
    explicit PasswordChangeScreen(Session& session, QWidget* parent = nullptr);

private:
    void leaveOldPassword();
    void enterNewPassword();
    void leaveConfirmation();
    void confirm();
    bool oldPasswordAccepted() const;

    Session& session_;
    QLineEdit* oldPassword_;
    QLineEdit* newPassword_;
    QLineEdit* confirmation_;
    QPushButton* confirm_;
};

} // namespace korven
