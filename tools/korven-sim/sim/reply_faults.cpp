#include "sim/reply_faults.h"

namespace korven::sim {

namespace {

constexpr char kCorrupted = 'x';

bool hits(long long position, int everyNth) {
    return everyNth > 0 && position % everyNth == 0;
}

} // namespace

bool ReplyFaults::mute(int commandsExecuted) const {
    if (plan_.silent)
        return true;
    return plan_.silentAfterCommands >= 0 && commandsExecuted >= plan_.silentAfterCommands;
}

QByteArray ReplyFaults::distort(const QByteArray& reply, bool answersCommand) {
    QByteArray sent = reply;
    if (answersCommand && hits(++repliesSeen_, plan_.corruptEveryNthReply) && !sent.isEmpty()) {
        // The middle of a reply is always a field the program reads.
        sent[sent.size() / 2] = kCorrupted;
    }
    if (plan_.cutRepliesTo >= 0 && sent.size() > plan_.cutRepliesTo)
        sent.truncate(plan_.cutRepliesTo);

    QByteArray result;
    result.reserve(sent.size());
    for (char byte : sent) {
        ++bytesSeen_;
        if (hits(bytesSeen_, plan_.dropEveryNth))
            continue;
        result.append(hits(bytesSeen_, plan_.corruptEveryNth) ? kCorrupted : byte);
    }
    return result;
}

} // namespace korven::sim
