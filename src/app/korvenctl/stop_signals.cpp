#include "korvenctl/stop_signals.h"

#include <csignal>

namespace korven {

namespace {

// A closed terminal (SIGHUP), Ctrl+\ (SIGQUIT) and a reader of the output
// that went away (SIGPIPE, as with "| head") end a command as Ctrl+C does: by
// default they would kill it with the logger stopped.
constexpr int kStopSignals[] = {
    SIGINT,  SIGTERM,
#if defined(SIGHUP)
    SIGHUP,
#endif
#if defined(SIGQUIT)
    SIGQUIT,
#endif
#if defined(SIGPIPE)
    SIGPIPE,
#endif
};

// All a signal handler may touch.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void noteStopSignal(int signal) {
    stopSignal = signal;
    // Some systems put the default back once a handler has run.
    std::signal(signal, noteStopSignal);
}

} // namespace

StopSignals::StopSignals() {
    for (const int signal : kStopSignals)
        std::signal(signal, noteStopSignal);
}

StopSignals::~StopSignals() {
    for (const int signal : kStopSignals)
        std::signal(signal, SIG_DFL);
}

bool StopSignals::arrived() {
    return stopSignal != 0;
}

void StopSignals::outputFailed() {
    if (stopSignal == 0)
        stopSignal = SIGTERM;
}

void SignalledTicks::pump() {
    QtTicks::pump();
    if (passedOn_ || !StopSignals::arrived())
        return;
    passedOn_ = true;
    if (action_)
        action_();
    else
        requestStop();
}

SignalledTicks::StopAction::StopAction(SignalledTicks& ticks, std::function<void()> action)
    : ticks_(ticks) {
    ticks_.action_ = std::move(action);
}

SignalledTicks::StopAction::~StopAction() {
    ticks_.action_ = nullptr;
}

} // namespace korven
