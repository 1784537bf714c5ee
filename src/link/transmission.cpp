#include "link/transmission.h"

#include "link/last_block_query.h"
#include "link/link_texts.h"
#include "link/port_settings.h"
#include "link/prepared_command.h"
#include "link/protocol/commands.h"
#include "link/resume_scanning.h"
#include "link/wake_logger.h"

namespace korven {

TransmissionOrder TransmissionOrder::readClock() {
    return {Operation::ReadClock, command::clockRequest};
}

TransmissionOrder TransmissionOrder::setClock(const QDateTime& moment) {
    return {Operation::SetClock, command::clockSetting(moment)};
}

TransmissionOrder TransmissionOrder::emptyMemory() {
    return {Operation::EmptyMemory, command::memoryReset};
}

TransmissionOrder TransmissionOrder::readLastBlock() {
    return {Operation::ReadLastBlock, {}};
}

TransmissionOrder TransmissionOrder::setScan(int interval, int sleep) {
    return {Operation::SetScan, command::scanSetting(interval, sleep)};
}

TransmissionOrder TransmissionOrder::wakeOnly() {
    return {Operation::WakeOnly, {}};
}

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

TransmissionResult perform(Conversation& conversation, const TransmissionOrder& order) {
    using enum TransmissionOrder::Operation;
    switch (order.operation()) {
    case SetClock:
    case EmptyMemory:
    case SetScan:
        return sendCommandText(conversation, order.command(), kSettingFraming,
                               link_texts::sendingSetting);
    case ReadClock:
        return readClock(conversation, order.command());
    case ReadLastBlock:
        return readLastBlock(conversation);
    case WakeOnly:
        break;
    }
    return {};
}

} // namespace

TransmissionResult transmit(Conversation& conversation, const TransmissionRequest& request,
                            Installation& installation) {
    conversation.state().loggerNumber = request.loggerNumber;
    if (request.order.operation() == TransmissionOrder::Operation::WakeOnly)
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
    const TransmissionResult result = perform(conversation, request.order);
    conversation.closePort();
    // The wake-up stopped every logger on the line, so the line is put back
    // into scanning even when the logger named never answered; the user is
    // not told that it scans, though.
    resumeScanning(conversation, installation.loggerSetupPath, installation.loggerRecords.par,
                   conversation.heardFrom(request.loggerNumber) ? ResumedLine::Logger
                                                                : ResumedLine::WithoutLogger);
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
