#include "link/screens/modem_connection.h"

#include "link/screens/modem_wait_screen.h"
#include "session/modem_line.h"
#include "session/screen_names.h"

#include <QApplication>

#include <memory>

namespace korven {

namespace {

// The program's reports with the wait screen shown while the modem is
// dialled.
class WaitScreenReporter : public PromptingModemReporter {
public:
    using PromptingModemReporter::PromptingModemReporter;
    ~WaitScreenReporter() override { closeWait(); }

    void openWait() override {
        closeWait();
        screen_ = std::make_unique<ModemWaitScreen>(session());
        screen_->adjustSize();
        // Over the window the user chose the menu item in.
        if (const QWidget* window = QApplication::activeWindow())
            screen_->move(window->geometry().center() - screen_->rect().center());
        screen_->show();
    }
    void waitStatus(const QString& text) override {
        if (screen_)
            screen_->showStatus(text);
    }
    void offerStop(bool offered) override {
        if (screen_)
            screen_->offerStop(offered);
    }
    // Called by the procedure between its waits, never from inside an event
    // of the screen itself, so the screen can go at once.
    void closeWait() override { screen_.reset(); }

private:
    std::unique_ptr<ModemWaitScreen> screen_;
};

} // namespace

void switchModemConnection(Session& session) {
    WaitScreenReporter reporter(session);
    switchModemLine(session, reporter, screen_name::modemWait);
}

} // namespace korven
