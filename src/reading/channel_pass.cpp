#include "reading/channel_pass.h"

#include "link/protocol/commands.h"
#include "reading/reading_exchange.h"
#include "reading/reading_texts.h"

#include <optional>

namespace korven {

namespace {

// How many second ticks the logger has to answer its address byte.
constexpr int kAddressLimit = 5;

struct Exchange {
    std::optional<ReadingEnd> failure;
    QByteArray reply;
};

// One reading of the pass: the address byte, exactly "!" back, the command
// and its reply; from the address byte again after a second start.
Exchange exchange(Conversation& conversation, const QByteArray& command, int length,
                  const QString& waitText) {
    for (int secondStarts = 0;; ++secondStarts) {
        // What is still waiting (the rest of a late reply) is no answer to
        // this address byte.
        const Handshake answer =
            conversation.handshake(0, {.discardWaiting = true,
                                       .limit = kAddressLimit,
                                       .answer = HandshakeRules::Answer::First});
        if (answer.status == LinkStatus::Stopped)
            return {ReadingEnd::Interrupted, {}};
        if (answer.status != LinkStatus::Ok)
            return {ReadingEnd::NotConnected, {}};

        const LinkStatus status = requestReading(conversation, command, length, waitText);
        if (status == LinkStatus::Ok)
            return {std::nullopt, takeReply(conversation)};
        if (status == LinkStatus::Stopped)
            return {ReadingEnd::Interrupted, {}};
        if (secondStarts == kMostSecondStarts)
            return {ReadingEnd::TransmissionError, {}};
        secondStart(conversation);
    }
}

} // namespace

ReadingEnd readChannelPasses(Conversation& conversation, const ReadingRun& run,
                             const AllChannelsObserver& observer) {
    const int count = run.setup.channelsRead();
    for (;;) {
        bool asked = false;
        for (int channel = 0; channel < count; ++channel) {
            if (!run.setup.channels.at(channel).active)
                continue;
            asked = true;
            if (observer.asking)
                observer.asking(channel);
            const Exchange reading = exchange(conversation, command::channelReading(channel, 1),
                                              kReadingReplyLength, reading_texts::waitForResponse);
            if (reading.failure)
                return *reading.failure;
            if (observer.read)
                observer.read(run.reading(channel, parseReadingReply(reading.reply).value));
            if (channel != count - 1)
                continue;

            const Exchange inputs =
                exchange(conversation, command::digitalInputsRequest, kDigitalInputsReplyLength,
                         reading_texts::waitForDigitalInputs);
            if (inputs.failure)
                return *inputs.failure;
            if (observer.digitalRead)
                observer.digitalRead(parseDigitalInputsReply(inputs.reply).value);
        }
        if (observer.passEnded)
            observer.passEnded();
        if (run.stop)
            return ReadingEnd::Stopped;
        // A pass with nothing to ask still lets the stop button be pressed.
        if ((!asked && !conversation.pump()) || !restAfter(conversation, run.interval))
            return ReadingEnd::Interrupted;
        if (run.stop)
            return ReadingEnd::Stopped;
    }
}

} // namespace korven
