#include "link/last_block_query.h"

#include "link/protocol/commands.h"
#include "link/protocol/status_reply.h"

namespace korven {

namespace {

constexpr int kLimitSeconds = 5;

} // namespace

LastBlockQuery queryLastBlock(Conversation& conversation, int loggerNumber, bool restartTicks) {
    conversation.port().setReadLength(0);
    const Handshake answer =
        conversation.handshake(loggerNumber, {.restartTicks = restartTicks,
                                              .limit = kLimitSeconds,
                                              .answer = HandshakeRules::Answer::First});
    if (answer.status != LinkStatus::Ok)
        return {answer.status};

    const Reply reply =
        conversation.exchange(command::lastBlockRequest, kStatusReplyLength, kLimitSeconds);
    if (reply.status != LinkStatus::Ok)
        return {reply.status};
    conversation.closePort();
    conversation.openPort();

    const Parsed<int> next = parseStatusReply(reply.bytes);
    if (!next.isDone())
        return {LinkStatus::BadReply};
    return {LinkStatus::Ok, next.value};
}

} // namespace korven
