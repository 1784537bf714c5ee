#pragma once

#include <QWidget>

class QLineEdit;

namespace korven {

struct Session;

// "ATTIVA PASSWORD" / "DISATTIVA PASSWORD": switches the password on or off
// once the stored password has been typed.
class PasswordSwitchScreen : public QWidget {
    Q_OBJECT
public:
    explicit PasswordSwitchScreen(Session& session, QWidget* parent = nullptr);

private:
    void confirm();

    Session& session_;
    QLineEdit* entry_;
};

} // namespace korven
