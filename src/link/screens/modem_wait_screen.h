#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace korven {

struct Session;

// The wait screen (Form72) while the modem is dialled: "PREGO ATTENDERE", a
// status label that also shows the logger's wake-up, and, while the call is
// waited for, "Connessione", the button that stops the call.
class ModemWaitScreen : public QDialog {
    Q_OBJECT
public:
    explicit ModemWaitScreen(Session& session, QWidget* parent = nullptr);
    ~ModemWaitScreen() override;

    // The texts carry CR where a line ends.
    void showStatus(const QString& text);
    void offerStop(bool offered);

    // Escape, or the window closed: as the button while it is offered; the
    // screen otherwise stays until the procedure closes it.
    void reject() override;

private:
    void stopCall();

    Session& session_;
    QLabel* status_;
    QPushButton* stop_;
};

} // namespace korven
