#include "link/transmission.h"

#include "link/last_block_query.h"
#include "link/port_settings.h"
#include "link/protocol/clock_reply.h"
#include "link/resume_scanning.h"
#include "link/wake_logger.h"

namespace korven {

namespace {

// How a prepared command is framed: the pause after the address byte, the
// limit for the "!", and the pause after the command (none for a request whose
// reply is awaited instead).
struct Framing {
    int preWait;
    int limit;
    std::optional<int> afterWait;
};

void showOperation(Conversation& conversation, const QString& progress) {
    conversation.showProgress(onLineText(conversation.state().loggerNumber) + u'\r' + progress);
}

LinkStatus reportNoAnswer(Conversation& conversation, LinkStatus status) {
    if (status == LinkStatus::NoAnswer)
        conversation.reporter().failure(LinkFailure::NotConnected);
    return status;
}

LinkStatus sendPrepared(Conversation& conversation, const QByteArray& command,
                        const Framing& framing, const QString& progress) {
    const Handshake handshake = conversation.handshake(
        conversation.state().loggerNumber, {.pause = framing.preWait, .limit = framing.limit});
    if (handshake.status != LinkStatus::Ok)
        return reportNoAnswer(conversation, handshake.status);
    showOperation(conversation, progress);
    conversation.sendCommand(command);
    if (framing.afterWait && !conversation.pause(*framing.afterWait))
        return LinkStatus::Stopped;
    return LinkStatus::Ok;
}

TransmissionResult readClock(Conversation& conversation, const QByteArray& command) {
    const LinkStatus sent = sendPrepared(conversation, command, {0, 3, std::nullopt},
                                         QStringLiteral("Channel parameters"));
    if (sent != LinkStatus::Ok)
        return {sent, {}, {}};
    // The limit counts on from the handshake: the clock answers at once.
    const LinkStatus arrived = conversation.awaitInput(kClockReplyLength, 3);
    if (arrived != LinkStatus::Ok)
        return {reportNoAnswer(conversation, arrived), {}, {}};
    const Parsed<LoggerClock> clock = parseClockReply(conversation.receive());
    if (!clock.isDone()) {
        conversation.reporter().failure(LinkFailure::TransmissionError);
        return {LinkStatus::BadReply, {}, {}};
    }
    return {LinkStatus::Ok, clock.value, {}};
}

TransmissionResult readLastBlock(Conversation& conversation) {
    conversation.showProgress(QStringLiteral("ATTENDERE. Richiesta ultimo blocco memorizzato"));
    // No reset: the limit for the "!" counts from the wake-up's last burst.
    const LastBlockQuery query =
        queryLastBlock(conversation, conversation.state().loggerNumber, false);
    switch (query.status) {
    case LinkStatus::Ok:
        return {LinkStatus::Ok, {}, query.nextBlock};
    case LinkStatus::BadReply:
        conversation.reporter().failure(LinkFailure::TransmissionError);
        break;
    case LinkStatus::Stopped:
        break;
    default:
        // A wrong answer to the address byte fails like silence.
        conversation.reporter().failure(LinkFailure::NotConnected);
        conversation.markLinkFailed();
        break;
    }
    return {query.status, {}, {}};
}

TransmissionResult perform(Conversation& conversation, int code, const QByteArray& commandText) {
    switch (code) {
    case 1:
        return {
            sendPrepared(conversation, commandText, {1, 2, 1}, QStringLiteral("Invio parametri")),
            {},
            {}};
    case 6:
        return {sendPrepared(conversation, commandText, {0, 2, 0},
                             QStringLiteral("Channel parameters")),
                {},
                {}};
    case 7:
        return readClock(conversation, commandText);
    case 8:
        return readLastBlock(conversation);
    default:
        return {};
    }
}

} // namespace

QString onLineText(int loggerNumber) {
    return QStringLiteral("KORVEN nr. %1 on line").arg(loggerNumber);
}

TransmissionResult transmit(Conversation& conversation, const TransmissionRequest& request,
                            Installation& installation) {
    conversation.state().loggerNumber = request.loggerNumber;
    if (request.connectOnly)
        return {wakeLogger(conversation), {}, {}};

    if (conversation.openPort())
        return {LinkStatus::PortFailed, {}, {}};
    // A logger that did not wake has been reported already and was never
    // stopped, so there is nothing to send and nothing to resume.
    const LinkStatus awake = wakeLogger(conversation);
    if (awake != LinkStatus::Ok) {
        conversation.closePort();
        return {awake, {}, {}};
    }
    const TransmissionResult result = perform(conversation, request.code, request.commandText);
    conversation.closePort();
    resumeScanning(conversation, installation.loggerSetupPath, installation.loggerRecords.par);
    return result;
}

TransmissionResult runTransmission(Conversation& conversation, Installation& installation,
                                   const TransmissionRequest& request) {
    PortSettings port;
    readPortSettings(installation, port);
    configurePort(conversation.port(), port);
    return transmit(conversation, request, installation);
}

} // namespace korven
