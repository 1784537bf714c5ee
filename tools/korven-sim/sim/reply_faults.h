#pragma once

#include "sim/fault_plan.h"

#include <QByteArray>

namespace korven::sim {

// Applies a fault plan to what the logger sends. Dropped and corrupted bytes
// are counted over the whole conversation, not per reply, so "every third
// byte" keeps its rhythm across short replies such as "!". Corrupted replies
// are counted among the replies to commands only, the handshake left out.
class ReplyFaults {
public:
    FaultPlan& plan() { return plan_; }
    const FaultPlan& plan() const { return plan_; }

    // Whether anything may go out once `commandsExecuted` commands have run.
    bool mute(int commandsExecuted) const;
    // What actually goes out in place of `reply`; may be empty.
    // `answersCommand` is false for the handshake character.
    QByteArray distort(const QByteArray& reply, bool answersCommand);

private:
    FaultPlan plan_;
    long long bytesSeen_ = 0;
    long long repliesSeen_ = 0;
};

} // namespace korven::sim
