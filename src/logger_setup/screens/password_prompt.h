#pragma once

#include "session/password_target.h"

#include <QWidget>

#include <functional>

class QLineEdit;

namespace korven {

struct Session;

// "PASSWORD": asks for the password before a protected screen opens, and opens
// the screen the gate left pending when the entry is right.
class PasswordPrompt : public QWidget {
    Q_OBJECT
public:
    using OpenTarget = std::function<void(PasswordTarget)>;

    PasswordPrompt(Session& session, OpenTarget openTarget, QWidget* parent = nullptr);

private:
    void confirm();

    Session& session_;
    OpenTarget openTarget_;
    QLineEdit* entry_;
};

} // namespace korven
