#include "link/transmission.h"

#include "link/hex_value.h"

namespace korven {

namespace {

constexpr int kClockReplyLength = 13;
constexpr int kLastBlockReplyLength = 47;

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
        conversation.showNotConnected();
    return status;
}

LinkStatus sendPrepared(Conversation& conversation, const QByteArray& command,
                        const Framing& framing, const QString& progress) {
    const LinkStatus handshake = conversation.addressHandshake(conversation.state().loggerNumber,
                                                               framing.preWait, framing.limit);
    if (handshake != LinkStatus::Ok)
        return reportNoAnswer(conversation, handshake);
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
    const auto clock = loggerClockOf(conversation.receive());
    if (!clock) {
        conversation.showTransmissionError();
        return {LinkStatus::BadReply, {}, {}};
    }
    return {LinkStatus::Ok, clock, {}};
}

LinkStatus failLastBlock(Conversation& conversation, LinkStatus status) {
    if (status == LinkStatus::Stopped)
        return status;
    conversation.showNotConnected();
    conversation.markLinkFailed();
    return status;
}

TransmissionResult readLastBlock(Conversation& conversation) {
    conversation.port().setReadLength(0);
    conversation.showProgress(QStringLiteral("ATTENDERE. Richiesta ultimo blocco memorizzato"));
    // No pause and no reset: the limit counts from the wake-up's last burst.
    conversation.sendAddress(conversation.state().loggerNumber);
    LinkStatus status = conversation.awaitInput(1, 5);
    if (status == LinkStatus::Ok && conversation.receive() != "!")
        status = LinkStatus::NoAnswer;
    if (status != LinkStatus::Ok)
        return {failLastBlock(conversation, status), {}, {}};

    const Reply reply = conversation.exchange("j", kLastBlockReplyLength, 5);
    if (reply.status != LinkStatus::Ok)
        return {failLastBlock(conversation, reply.status), {}, {}};
    const auto block = lastBlockOf(reply.bytes);
    if (!block) {
        conversation.showTransmissionError();
        return {LinkStatus::BadReply, {}, {}};
    }
    return {LinkStatus::Ok, {}, block};
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

std::optional<LoggerClock> loggerClockOf(QByteArrayView reply) {
    constexpr int kDigits = 12;
    if (reply.size() < kDigits)
        return std::nullopt;
    for (int i = 0; i < kDigits; ++i) {
        if (reply[i] < '0' || reply[i] > '9')
            return std::nullopt;
    }
    const auto pair = [&](int first) { return QString::fromLatin1(reply.sliced(first, 2)); };
    return LoggerClock{pair(4) + u'/' + pair(2) + u'/' + pair(0),
                       pair(6) + u':' + pair(8) + u':' + pair(10)};
}

std::optional<int> lastBlockOf(QByteArrayView reply) {
    if (reply.size() < 8)
        return std::nullopt;
    return hexToValue(reply.sliced(3, 2).toByteArray() + reply.sliced(6, 2).toByteArray());
}

TransmissionResult transmit(Conversation& conversation, int code, const QByteArray& commandText,
                            const ScanFlagsSource& scanFlags) {
    if (conversation.openPort())
        return {LinkStatus::PortFailed, {}, {}};
    // A logger that did not wake has been reported already and was never
    // stopped, so there is nothing to send and nothing to resume.
    const LinkStatus awake = conversation.wakeLogger();
    if (awake != LinkStatus::Ok) {
        conversation.closePort();
        return {awake, {}, {}};
    }
    const TransmissionResult result = perform(conversation, code, commandText);
    conversation.closePort();
    conversation.resumeScanning(scanFlags.loggerSetupPath, scanFlags.par);
    return result;
}

} // namespace korven
