#pragma once

#include <QDateTime>
#include <utility>

namespace korven {

// The link's time base: SecondTicks, advanced every 1000 ms for the whole run,
// and FastTicks, advanced every 100 ms only while enabled (inside the
// wake-up). Every wait is written the same way: reset a counter, then pump
// until it exceeds a limit, so the waits read like the procedures they
// implement.
class Ticks {
public:
    virtual ~Ticks() = default;

    int secondTicks() const { return secondTicks_; }
    void setSecondTicks(int value) { secondTicks_ = value; }
    int fastTicks() const { return fastTicks_; }
    void setFastTicks(int value) { fastTicks_ = value; }

    virtual void setFastTicksEnabled(bool enabled) = 0;

    // Lets pending events run: user input, timers, port input. Returns after at
    // least one event was handled; never spins while nothing happens.
    virtual void pump() = 0;

    // A request from outside the program's own events (a stop signal to
    // korvenctl) to end what the link is doing: the conversation running, or
    // else the next one, takes it at its next wait and stops, as when its
    // screen closes. Dropped while stops are held.
    void requestStop() { stopRequested_ = !stopsHeld_; }
    bool takeStopRequest() { return std::exchange(stopRequested_, false); }
    // While held, requests to stop are dropped, so that work that must not be
    // left half done (hanging a modem up) is finished.
    void holdStops(bool held) {
        stopsHeld_ = held;
        stopRequested_ = stopRequested_ && !held;
    }

    // Lets about `ms` milliseconds (under a second) pass without handling
    // anything, events included. A wait for a long reply still on the line
    // rests so, and takes the reply in a few large pieces instead of waking
    // for every character; a command that must leave at a given moment rests
    // until then. By default no time passes.
    virtual void rest(int ms) { (void)ms; }

    // The computer's clock, on the same time base as the ticks: what the
    // logger's clock is compared with and set to.
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }

protected:
    void secondElapsed() { ++secondTicks_; }
    void tenthElapsed() { ++fastTicks_; }

private:
    int secondTicks_ = 0;
    int fastTicks_ = 0;
    bool stopRequested_ = false;
    bool stopsHeld_ = false;
};

// Holds the stop requests on a time base while it lives: for work that must
// be seen through once begun, such as putting a woken logger back into
// scanning.
class StopsHeld {
public:
    explicit StopsHeld(Ticks& ticks) : ticks_(ticks) { ticks_.holdStops(true); }
    ~StopsHeld() { ticks_.holdStops(false); }
    StopsHeld(const StopsHeld&) = delete;
    StopsHeld& operator=(const StopsHeld&) = delete;

private:
    Ticks& ticks_;
};

} // namespace korven
