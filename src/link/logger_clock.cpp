#include "link/logger_clock.h"

#include "link/link_texts.h"
#include "link/prepared_command.h"

namespace korven {

namespace {

// "G", twelve digits and the CR.
constexpr int kClockSettingLength = 14;

// The next whole second of the computer's clock at which a clock setting
// sent after this rest arrives.
QDateTime restUntilArrivalSecond(Conversation& conversation) {
    const QDateTime arrival =
        conversation.ticks().now().addMSecs(conversation.lineMs(kClockSettingLength));
    QDateTime second = arrival.addMSecs(-arrival.time().msec());
    if (second < arrival)
        second = second.addSecs(1);
    conversation.ticks().rest(static_cast<int>(arrival.msecsTo(second)));
    return second;
}

} // namespace

ClockQuery requestClock(Conversation& conversation, const QByteArray& command) {
    const LinkStatus sent = sendPrepared(
        conversation, [&command] { return command; }, kRequestFraming, link_texts::sendingSetting);
    if (sent != LinkStatus::Ok)
        return {sent, {}};
    // The limit counts on from the handshake: the clock answers at once.
    const LinkStatus arrived = conversation.awaitInput(kClockReplyLength, kRequestFraming.limit);
    const QDateTime arrivedAt = conversation.ticks().now();
    const bool cutShort = arrived == LinkStatus::NoAnswer && conversation.port().inputCount() > 0;
    if (arrived != LinkStatus::Ok && !cutShort)
        return {reportNoAnswer(conversation, arrived), {}};

    const Parsed<LoggerClock> clock = parseClockReply(conversation.receive());
    if (!clock.isDone()) {
        conversation.reporter().failure(LinkFailure::TransmissionError);
        return {LinkStatus::BadReply, {}};
    }
    // The logger read its clock as it began to answer.
    const QDateTime readAt = arrivedAt.addMSecs(-conversation.lineMs(kClockReplyLength));
    return {LinkStatus::Ok, ClockReading{clock.value, readAt}};
}

ClockSetting setClockToComputer(Conversation& conversation) {
    QDateTime moment;
    const LinkStatus status = sendPrepared(
        conversation,
        [&] {
            moment = restUntilArrivalSecond(conversation);
            return command::clockSetting(moment);
        },
        kSettingFraming, link_texts::sendingSetting);
    return {status, status == LinkStatus::Ok ? moment : QDateTime()};
}

} // namespace korven
