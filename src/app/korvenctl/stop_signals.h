#pragma once

#include "platform/qt_ticks.h"

namespace korven {

// Ctrl+C and SIGTERM while korvenctl works through the modem. The first one
// asks the running conversation with the logger to stop, so that the command
// ends and the modem is hung up; later ones change nothing, since the
// hang-up that follows must not be cut short. While this object lives.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool arrived();
};

// korvenctl's time base with the stop signals passed on: the first one
// becomes a stop request (see Ticks::requestStop) at the next pump, within a
// second since the one-second tick always wakes the pump.
class SignalledTicks : public QtTicks {
public:
    void pump() override;

private:
    bool passedOn_ = false;
};

} // namespace korven
