#include "download/block_request.h"

#include "link/protocol/commands.h"

namespace korven {

namespace {

constexpr int kLimitSeconds = 5;
// The longest the wait rests at a time while the reply is still on the line:
// short enough for nobody to notice, and the reply is taken in a few large
// pieces rather than waking for every character.
constexpr int kLongestRestMs = 20;

} // namespace

BlockReply requestBlock(Conversation& conversation, int block) {
    // The tail of an earlier reply that came too late is not this block's.
    // The logger answers at once, so there is no pause before the wait: a
    // download runs at the speed of the line.
    const Handshake answer =
        conversation.handshake(0, {.discardWaiting = true, .limit = kLimitSeconds});
    switch (answer.status) {
    case LinkStatus::Ok:
        break;
    case LinkStatus::Stopped:
        return {BlockOutcome::Stopped, {}};
    default:
        return {answer.heard ? BlockOutcome::CutShort : BlockOutcome::Silent, {}};
    }

    conversation.sendCommand(command::blockRequest(block));
    conversation.resetSeconds();
    QByteArray reply;
    for (;;) {
        // What has arrived is taken before the limit is looked at, so a reply
        // that came while the program was busy elsewhere still counts.
        const bool limitPassed = conversation.ticks().secondTicks() > kLimitSeconds;
        reply += conversation.receive();
        Parsed<BlockText> text = parseBlockReply(reply);
        if (text.state == ParseState::Done)
            return {BlockOutcome::Ok, std::move(text.value)};
        if (text.state == ParseState::Bad)
            return {BlockOutcome::Malformed, {}};
        if (limitPassed)
            return {BlockOutcome::CutShort, {}};
        const int stillOnTheLineMs = conversation.lineMs(kBlockReplyLength - reply.size());
        if (stillOnTheLineMs > 1)
            conversation.ticks().rest(qMin(stillOnTheLineMs, kLongestRestMs));
        if (!conversation.pump())
            return {BlockOutcome::Stopped, {}};
    }
}

} // namespace korven
