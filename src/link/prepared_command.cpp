#include "link/prepared_command.h"

namespace korven {

LinkStatus sendPrepared(Conversation& conversation, const std::function<QByteArray()>& command,
                        const CommandFraming& framing, const QString& progress) {
    const Handshake handshake = conversation.handshake(
        conversation.state().loggerNumber, {.pause = framing.preWait, .limit = framing.limit});
    if (handshake.status != LinkStatus::Ok)
        return reportNoAnswer(conversation, handshake.status);
    conversation.showProgress(onLineText(conversation.state().loggerNumber) + u'\r' + progress);
    conversation.sendCommand(command());
    if (framing.afterWait && !conversation.pause(*framing.afterWait))
        return LinkStatus::Stopped;
    return LinkStatus::Ok;
}

LinkStatus reportNoAnswer(Conversation& conversation, LinkStatus status) {
    if (status == LinkStatus::NoAnswer)
        conversation.reporter().failure(LinkFailure::NotConnected);
    return status;
}

QString onLineText(int loggerNumber) {
    return QStringLiteral("KORVEN nr. %1 on line").arg(loggerNumber);
}

} // namespace korven
