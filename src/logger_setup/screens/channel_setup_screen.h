#pragma once

#include "link/channel_sending.h"
#include "logger_setup/channel_editor.h"
#include "logger_setup/screens/channel_row_widgets.h"
#include "session/exchange_guard.h"

#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korven {

struct Session;
class OnOffCell;

// "KORVEN Setup" (Form41): the eight analog channels of one logger, its two
// digital inputs and its channel count, edited, saved into the logger set-up
// files, and sent to a logger. "Invio" sends what was last saved and is
// refused after any change until "Salva".
class ChannelSetupScreen : public QWidget {
    Q_OBJECT
public:
    explicit ChannelSetupScreen(Session& session, QWidget* parent = nullptr);

    // False when the set-up files could not be read; the user has been told.
    bool loaded() const { return loaded_; }

public Q_SLOTS:
    // "Stampa": the saved set-up on paper.
    void printSavedSetup();

protected:
    // A sending under way is asked to stop first; the logger goes back to
    // scanning and the screen closes once it has.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectRow(int row);
    void connectInputs();
    void showRows();
    void showInputs();
    void refreshSendButton();

    void save();
    void sendSetup();
    void sendTo(int loggerNumber);
    // Asks for the logger code on the transmission screen, which wakes the
    // logger; empty when the user left it or the logger did not wake.
    std::optional<int> askLoggerCode();
    void endSending(SendingEnd end);
    void setSending(bool sending);

    Session& session_;
    ChannelEditor editor_;
    ChannelSending sending_;
    ChannelRowsWidgets rows_;
    OnOffCell* digital1_ = nullptr;
    OnOffCell* digital2_ = nullptr;
    QRadioButton* fourChannels_ = nullptr;
    QRadioButton* eightChannels_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLineEdit* progress_ = nullptr;
    ExchangeGuard guard_;
    bool loaded_ = false;
};

// The menu's way in: nullptr when the set-up files cannot be read.
QWidget* makeChannelSetupScreen(Session& session);

} // namespace korven
