#include "reading/one_channel_loop.h"

#include "link/protocol/commands.h"
#include "reading/reading_exchange.h"
#include "reading/reading_texts.h"

#include <optional>

namespace korven {

namespace {

// How many second ticks the logger has to answer its address byte.
constexpr int kAddressLimit = 1;
// How many times in a run an unanswered address byte is sent again.
constexpr int kMostRecoveries = 4;

// The address byte until something answers it; the answer is thrown away.
std::optional<ReadingEnd> address(Conversation& conversation, int& recoveries) {
    for (;;) {
        // What is still waiting (the rest of a late reply) is no answer to
        // this address byte.
        const Handshake answer =
            conversation.handshake(0, {.discardWaiting = true,
                                       .limit = kAddressLimit,
                                       .answer = HandshakeRules::Answer::First});
        switch (answer.status) {
        case LinkStatus::Ok:
        case LinkStatus::WrongAnswer:
            return std::nullopt;
        case LinkStatus::Stopped:
            return ReadingEnd::Interrupted;
        default:
            break;
        }
        if (recoveries == kMostRecoveries)
            return ReadingEnd::NotConnected;
        conversation.sendCommand(command::clearLine);
        conversation.receive();
        conversation.showProgress(reading_texts::resumingCommand);
        ++recoveries;
    }
}

} // namespace

ReadingEnd readOneChannelLoop(Conversation& conversation, const ReadingRun& run, int channel,
                              const std::function<void(const ChannelReading&)>& read) {
    int recoveries = 0;
    for (int cycle = 1;; ++cycle) {
        for (int secondStarts = 0;; ++secondStarts) {
            if (const auto failure = address(conversation, recoveries))
                return *failure;
            const LinkStatus status =
                requestReading(conversation, command::channelReading(channel, 2),
                               kReadingReplyLength, reading_texts::waitForResponse);
            if (status == LinkStatus::Ok)
                break;
            if (status == LinkStatus::Stopped)
                return ReadingEnd::Interrupted;
            if (secondStarts == kMostSecondStarts)
                return ReadingEnd::TransmissionError;
            secondStart(conversation);
        }
        const QByteArray reply = takeReply(conversation);
        if (read)
            read(run.reading(channel, parseReadingReply(reply).value));

        conversation.showProgress(reading_texts::cycle + QString::number(cycle));
        if (!run.stop && !restAfter(conversation, run.interval))
            return ReadingEnd::Interrupted;
        if (run.stop) {
            conversation.showProgress(reading_texts::awaitingCommandUpper);
            return ReadingEnd::Stopped;
        }
    }
}

} // namespace korven
