#include "sim/reply_faults.h"

namespace korven::sim {

namespace {

bool hits(long long position, int everyNth) {
    return everyNth > 0 && position % everyNth == 0;
}

} // namespace

bool ReplyFaults::mute(int commandsExecuted) const {
    if (plan_.silent)
        return true;
    return plan_.silentAfterCommands >= 0 && commandsExecuted >= plan_.silentAfterCommands;
}

QByteArray ReplyFaults::distort(const QByteArray& reply) {
    QByteArray sent = reply;
    if (plan_.cutRepliesTo >= 0 && sent.size() > plan_.cutRepliesTo)
        sent.truncate(plan_.cutRepliesTo);

    QByteArray result;
    result.reserve(sent.size());
    for (char byte : sent) {
        ++bytesSeen_;
        if (hits(bytesSeen_, plan_.dropEveryNth))
            continue;
        result.append(hits(bytesSeen_, plan_.corruptEveryNth) ? 'x' : byte);
    }
    return result;
}

} // namespace korven::sim
