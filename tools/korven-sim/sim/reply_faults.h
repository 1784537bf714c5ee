#pragma once

#include "sim/fault_plan.h"

#include <QByteArray>

namespace korven::sim {

// Applies a fault plan to what the logger sends. Dropped and corrupted bytes
// are counted over the whole conversation, not per reply, so "every third
// byte" keeps its rhythm across short replies such as "!".
class ReplyFaults {
public:
    FaultPlan& plan() { return plan_; }
    const FaultPlan& plan() const { return plan_; }

    // Whether anything may go out once `commandsExecuted` commands have run.
    bool mute(int commandsExecuted) const;
    // What actually goes out in place of `reply`; may be empty.
    QByteArray distort(const QByteArray& reply);

private:
    FaultPlan plan_;
    long long bytesSeen_ = 0;
};

} // namespace korven::sim
