#pragma once

#include "platform/ticks.h"

#include <QTimer>

namespace korven {

// The link's time base on Qt timers. Waiting blocks in the event loop until
// something happens (a tick, port input, user input), so a long wait costs no
// processor time.
class QtTicks : public Ticks {
public:
    QtTicks();

    void setFastTicksEnabled(bool enabled) override;
    void pump() override;
    void rest(int ms) override;

private:
    QTimer seconds_;
    QTimer tenths_;
};

} // namespace korven
