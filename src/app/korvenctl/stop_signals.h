#pragma once

#include "platform/qt_ticks.h"

#include <functional>

namespace korven {

// Ctrl+C, SIGTERM, SIGHUP, SIGQUIT and SIGPIPE, for every korvenctl command,
// while this object lives. The handler only notes the signal; SignalledTicks
// acts on it.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool arrived();
    // A write to standard output that failed (its reader is gone) counts as
    // a stop signal.
    static void outputFailed();
};

// korvenctl's time base with the stop signals passed on: at the next pump
// after the first one (within a second, since the one-second tick always
// wakes the pump) its stop action runs, once. Later signals change nothing:
// what follows a stop (putting the logger back into scanning, hanging the
// modem up) must not be cut short, and every wait is bounded anyway.
class SignalledTicks : public QtTicks {
public:
    void pump() override;

    // By default the stop action asks the running conversation to stop
    // (Ticks::requestStop), so the command ends at its next wait. A command
    // that can stop more gently, once the piece of work under way is done,
    // puts its own action in place for as long as one of these lives.
    class StopAction {
    public:
        StopAction(SignalledTicks& ticks, std::function<void()> action);
        ~StopAction();
        StopAction(const StopAction&) = delete;
        StopAction& operator=(const StopAction&) = delete;

    private:
        SignalledTicks& ticks_;
    };

private:
    std::function<void()> action_;
    bool passedOn_ = false;
};

} // namespace korven
