#include "sim/line_pacer.h"

#include <algorithm>

namespace korven::sim {

LinePacer::Duration LinePacer::characterTime(int baud) {
    if (baud <= 0)
        return Duration::zero();
    const Duration bits = std::chrono::seconds(kBitsPerCharacter);
    return Duration((bits.count() + baud - 1) / baud);
}

void LinePacer::schedule(const QByteArray& bytes, Clock::time_point due, Duration perCharacter) {
    if (bytes.isEmpty())
        return;
    const Clock::time_point start = std::max(due, lineFree_);
    lineFree_ = start + perCharacter * bytes.size();
    queue_.push_back({bytes, start, perCharacter});
}

QByteArray LinePacer::takeDue(Clock::time_point now) {
    QByteArray out;
    while (!queue_.empty()) {
        Reply& reply = queue_.front();
        if (now < reply.start)
            break;
        // Characters 0 .. k are due when k character times have passed.
        const qsizetype due =
            reply.perCharacter == Duration::zero()
                ? reply.bytes.size()
                : std::min<qsizetype>(reply.bytes.size(),
                                      (now - reply.start) / reply.perCharacter + 1);
        out.append(reply.bytes.mid(reply.sent, due - reply.sent));
        reply.sent = due;
        if (reply.sent < reply.bytes.size())
            break;
        queue_.pop_front();
    }
    return out;
}

std::optional<LinePacer::Clock::time_point> LinePacer::nextDue() const {
    if (queue_.empty())
        return std::nullopt;
    const Reply& reply = queue_.front();
    return reply.start + reply.perCharacter * reply.sent;
}

} // namespace korven::sim
