#pragma once

#include "link/transmission.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korven {

struct Session;

// "Trasmissione" (Form27): the user types the code of the logger that is to
// receive what a set-up screen prepared in `Session::transmission`; the screen
// sends it, hands back what the logger answered and closes. In connect-only
// mode it only wakes the logger and hands back the code typed.
class TransmissionScreen : public QDialog {
    Q_OBJECT
public:
    explicit TransmissionScreen(Session& session, QWidget* parent = nullptr);
    ~TransmissionScreen() override;

    // Leaving ("Uscita", the window's close button, Escape). During a
    // transmission the screen asks the link to stop and goes once it has.
    void reject() override;

Q_SIGNALS:
    // Code 7: the logger's clock, and the computer's when the logger read it.
    void clockRead(const korven::ClockReading& reading);
    // Code 8: the block the logger writes next.
    void lastBlockRead(int block);

private:
    bool checkCode();
    void confirm();
    LinkStatus run(Conversation& conversation);
    void leave();

    Session& session_;
    QLineEdit* code_;
    QLabel* status_;
    QPushButton* confirm_;
    bool transmitting_ = false;
    bool leaveWhenStopped_ = false;
    bool codeRefused_ = false;
};

} // namespace korven
