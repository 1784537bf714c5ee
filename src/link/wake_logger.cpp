#include "link/logger_link.h"

namespace korven {

namespace {

constexpr int kBursts = 5;
constexpr int kBurstLength = 200;
constexpr int kLastCycle = 3;
// The logger's answer is one character; a heap of them is line noise.
constexpr int kMostWaitingForAnswer = 10;

} // namespace

LinkStatus Conversation::wakeLogger() {
    if (stopped())
        return LinkStatus::Stopped;
    if (openPort())
        return LinkStatus::PortFailed;

    // A cycle ends without an answer either by silence or by a wrong
    // character; both count, so a logger that keeps answering rubbish cannot
    // keep the wake-up going for ever.
    int cycle = 0;
    for (;;) {
        const LinkStatus status = wakeCycle();
        if (status == LinkStatus::Ok) {
            sendCommand("z");
            port().setReadLength(0);
            return LinkStatus::Ok;
        }
        if (status == LinkStatus::Stopped) {
            ticks().setFastTicksEnabled(false);
            port().setReadLength(0);
            markLinkFailed();
            return LinkStatus::Stopped;
        }
        if (cycle == kLastCycle)
            break;
        ++cycle;
    }

    showProgress(QStringLiteral("Ciclo %1").arg(cycle));
    port().setReadLength(0);
    link_->showNotConnected();
    markLinkFailed();
    return LinkStatus::NoAnswer;
}

LinkStatus Conversation::wakeCycle() {
    // Only the first burst is followed by a pause (about 300 ms): the fast
    // ticks are not reset between bursts, so the other four go out at once.
    ticks().setFastTicksEnabled(true);
    for (int burst = 0; burst < kBursts; ++burst) {
        send(QByteArray(kBurstLength, '\xFF'));
        resetSeconds();
        showProgress(QStringLiteral("Attesa %1").arg(ticks().fastTicks()));
        while (ticks().fastTicks() <= 2) {
            if (!pump())
                return LinkStatus::Stopped;
        }
    }
    ticks().setFastTicks(0);
    ticks().setFastTicksEnabled(false);

    while (ticks().secondTicks() <= 1) {
        if (!pump())
            return LinkStatus::Stopped;
    }
    return awaitWakeAnswer();
}

LinkStatus Conversation::awaitWakeAnswer() {
    port().setReadLength(1);
    receive();
    sendAddress(0);
    // The second ticks count on from the last burst: about one second for the
    // answer.
    for (;;) {
        const int waiting = port().inputCount();
        if (waiting >= 1 && waiting <= kMostWaitingForAnswer)
            return receive() == "!" ? LinkStatus::Ok : LinkStatus::BadReply;
        if (ticks().secondTicks() > 2) {
            receive();
            return LinkStatus::NoAnswer;
        }
        if (!pump())
            return LinkStatus::Stopped;
    }
}

} // namespace korven
