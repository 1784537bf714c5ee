#include "link/transmission.h"

#include "link/last_block_query.h"
#include "link/link_texts.h"
#include "link/port_settings.h"
#include "link/prepared_command.h"
#include "link/resume_scanning.h"
#include "link/wake_logger.h"

namespace korven {

namespace {

TransmissionResult sendCommandText(Conversation& conversation, const QByteArray& commandText,
                                   const CommandFraming& framing, const QString& progress) {
    return {sendPrepared(
                conversation, [&commandText] { return commandText; }, framing, progress),
            {},
            {}};
}

TransmissionResult readClock(Conversation& conversation, const QByteArray& command) {
    const ClockQuery query = requestClock(conversation, command);
    return {query.status, query.reading, {}};
}

TransmissionResult readLastBlock(Conversation& conversation) {
    conversation.showProgress(link_texts::askingLastBlock);
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
        return sendCommandText(conversation, commandText, kParametersFraming,
                               link_texts::sendingParameters);
    case 6:
        return sendCommandText(conversation, commandText, kSettingFraming,
                               link_texts::sendingSetting);
    case 7:
        return readClock(conversation, commandText);
    case 8:
        return readLastBlock(conversation);
    default:
        return {};
    }
}

} // namespace

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
