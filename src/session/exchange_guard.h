#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace korven {

struct Session;
class ExchangeGuard;

// The screens' exchange guards alive in the program, so that one screen's
// exchange can be refused while another screen's is under way or another
// screen holds a woken logger.
class LineUsers {
public:
    void add(const ExchangeGuard* guard) { guards_.append(guard); }
    void remove(const ExchangeGuard* guard) { guards_.removeOne(guard); }
    // Another screen's guard whose screen is using the line, or nullptr.
    const ExchangeGuard* inTheWayOf(const ExchangeGuard* asking) const;

private:
    QList<const ExchangeGuard*> guards_;
};

// One screen's exchanges with a logger, and its close around them; every
// screen that talks to a logger has one:
// - run() runs an exchange. It is refused, with a message naming the window
//   in the way, while another screen's exchange runs or another screen holds
//   a woken logger, and while one of this screen's runs already;
// - a close asked for while an exchange runs stops it (the link's stop
//   request and the screen's own stop) and the screen closes once it has
//   ended, as it does when the exchange found that it must go;
// - as the screen closes, a logger it woke goes back into scanning; the
//   close waits while another conversation holds the line.
class ExchangeGuard {
public:
    // `windowTitle` names the screen to a user whose action it is in the way of.
    ExchangeGuard(Session& session, std::function<QString()> windowTitle);
    ~ExchangeGuard();
    ExchangeGuard(const ExchangeGuard&) = delete;
    ExchangeGuard& operator=(const ExchangeGuard&) = delete;

    // The screen's own way of stopping its exchange, besides the link's.
    void setStop(std::function<void()> stop) { stop_ = std::move(stop); }
    // Whether the screen holds a woken logger, and how it is put back into
    // scanning.
    void setResume(std::function<bool()> loggerWoken, std::function<void()> resume) {
        loggerWoken_ = std::move(loggerWoken);
        resume_ = std::move(resume);
    }

    bool running() const { return running_; }
    bool holdsWokenLogger() const { return loggerWoken_ && loggerWoken_(); }
    QString windowTitle() const { return windowTitle_(); }

    // Runs `exchange`; false, having done nothing, when it is refused.
    bool run(const std::function<void()>& exchange);

    // The screen goes once its exchange has ended.
    bool closeDue() const { return closeDue_; }
    void leaveWhenDone() { closeDue_ = true; }
    // The logger stopped answering: the screen goes without trying to put
    // it back into scanning, which could only fail again.
    void leaveWithoutResume() {
        closeDue_ = true;
        abandoned_ = true;
    }

    // For the screen's close event: false while an exchange runs (it is asked
    // to stop), while the logger is being put back, or while another
    // conversation holds the line that the resume needs. Otherwise a woken
    // logger goes back into scanning, the link forgets the screen as the
    // one its progress goes to, and the screen may close.
    bool mayClose();

private:
    Session& session_;
    std::function<QString()> windowTitle_;
    std::function<void()> stop_;
    std::function<bool()> loggerWoken_;
    std::function<void()> resume_;
    bool running_ = false;
    bool closeDue_ = false;
    bool abandoned_ = false;
    bool resuming_ = false;
};

} // namespace korven
