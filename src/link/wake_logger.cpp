#include "link/wake_logger.h"

#include "link/protocol/commands.h"

namespace korven {

namespace {

constexpr int kBursts = 5;
constexpr int kLastCycle = 3;
// The logger's answer is one character; a heap of them is line noise.
constexpr int kMostWaitingForAnswer = 10;

// Five bursts, the pause, and the answer to the address byte.
LinkStatus wakeCycle(Conversation& conversation) {
    Ticks& ticks = conversation.ticks();
    // Only the first burst is followed by a pause (about 300 ms): the fast
    // ticks are not reset between bursts, so the other four go out at once.
    ticks.setFastTicksEnabled(true);
    for (int burst = 0; burst < kBursts; ++burst) {
        conversation.send(command::wakeBurst());
        conversation.resetSeconds();
        conversation.showProgress(QStringLiteral("Attesa %1").arg(ticks.fastTicks()));
        while (ticks.fastTicks() <= 2) {
            if (!conversation.pump())
                return LinkStatus::Stopped;
        }
    }
    ticks.setFastTicks(0);
    ticks.setFastTicksEnabled(false);

    while (ticks.secondTicks() <= 1) {
        if (!conversation.pump())
            return LinkStatus::Stopped;
    }

    // One character at a time: what is left of earlier noise goes first, and
    // the answer is the next one. The second ticks count on from the last
    // burst, so the logger has about one second.
    conversation.port().setReadLength(1);
    const Handshake answer = conversation.handshake(0, {.discardWaiting = true,
                                                        .restartTicks = false,
                                                        .limit = 2,
                                                        .answer = HandshakeRules::Answer::First,
                                                        .mostWaiting = kMostWaitingForAnswer});
    if (answer.status == LinkStatus::NoAnswer)
        conversation.receive();
    return answer.status;
}

} // namespace

LinkStatus wakeLogger(Conversation& conversation) {
    if (conversation.stopped())
        return LinkStatus::Stopped;
    if (conversation.openPort())
        return LinkStatus::PortFailed;

    // A cycle ends without an answer either by silence or by a wrong
    // character; both count, so a logger that keeps answering rubbish cannot
    // keep the wake-up going for ever.
    int cycle = 0;
    for (;;) {
        const LinkStatus status = wakeCycle(conversation);
        if (status == LinkStatus::Ok) {
            conversation.sendCommand(command::stopScanning);
            conversation.port().setReadLength(0);
            conversation.state().loggerStopped = true;
            return LinkStatus::Ok;
        }
        if (status == LinkStatus::Stopped) {
            conversation.ticks().setFastTicksEnabled(false);
            conversation.port().setReadLength(0);
            conversation.markLinkFailed();
            return LinkStatus::Stopped;
        }
        if (cycle == kLastCycle)
            break;
        ++cycle;
    }

    conversation.showProgress(QStringLiteral("Ciclo %1").arg(cycle));
    conversation.port().setReadLength(0);
    conversation.reporter().failure(LinkFailure::NotConnected);
    conversation.markLinkFailed();
    return LinkStatus::NoAnswer;
}

} // namespace korven
