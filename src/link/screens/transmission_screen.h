#pragma once

#include "link/transmission.h"
#include "session/exchange_guard.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korven {

struct Session;

// "Trasmissione" (Form27): the user types the code of the logger that is to
// receive the order the opening screen gave this window; the screen sends
// it, hands back what the logger answered and closes. Asked only to wake the
// logger, it hands back the code typed.
class TransmissionScreen : public QDialog {
    Q_OBJECT
public:
    TransmissionScreen(Session& session, TransmissionOrder order, QWidget* parent = nullptr);
    ~TransmissionScreen() override;

    // The code of the logger woken, once a wake-only order has woken it.
    std::optional<int> wokenLogger() const { return wokenLogger_; }

    // Leaving ("Uscita", the window's close button, Escape). During a
    // transmission the screen asks the link to stop and goes once it has,
    // putting the logger back into scanning if it had woken.
    void reject() override;

Q_SIGNALS:
    // Code 7: the logger's clock, and the computer's when the logger read it.
    void clockRead(const korven::ClockReading& reading);
    // Code 8: the block the logger writes next.
    void lastBlockRead(int block);

private:
    bool checkCode();
    void confirm();
    LinkStatus runOrder(Conversation& conversation);
    void resumeLeftStopped();

    Session& session_;
    const TransmissionOrder order_;
    std::optional<int> wokenLogger_;
    QLineEdit* code_;
    QLabel* status_;
    QPushButton* confirm_;
    ExchangeGuard guard_;
    bool leftStopped_ = false;
    bool codeRefused_ = false;
};

} // namespace korven
