#include "download/block_fetch.h"

#include "download/engineering_values.h"

#include <QElapsedTimer>

namespace korven {

namespace {

// The line counts as quiet once nothing came for this many whole second
// ticks; a line that never falls quiet is given up after the longest wait.
constexpr int kQuietSeconds = 1;
constexpr int kLongestQuietWaitSeconds = 10;

FetchEnd endFor(BlockOutcome outcome) {
    switch (outcome) {
    case BlockOutcome::Ok:
        return FetchEnd::Complete;
    case BlockOutcome::Malformed:
        return FetchEnd::TransmissionError;
    case BlockOutcome::Stopped:
        return FetchEnd::Stopped;
    case BlockOutcome::OutOfOrder:
        return FetchEnd::Unconfirmed;
    case BlockOutcome::Silent:
    case BlockOutcome::CutShort:
        break;
    }
    return FetchEnd::NotConnected;
}

bool worthAskingAgain(BlockOutcome outcome) {
    return outcome == BlockOutcome::CutShort || outcome == BlockOutcome::Malformed ||
           outcome == BlockOutcome::OutOfOrder;
}

bool sameBlock(const BlockText& a, const BlockText& b) {
    return a.date == b.date && a.time == b.time && a.digital1 == b.digital1 &&
           a.digital2 == b.digital2 && a.channels == b.channels;
}

// Throws away whatever the line still brings until it has been quiet for a
// moment: the tail of a reply that came too late. False when stopped, or when
// the line never fell quiet.
bool awaitQuietLine(Conversation& conversation) {
    int waited = 0;
    conversation.resetSeconds();
    for (;;) {
        const int quiet = conversation.ticks().secondTicks();
        if (!conversation.receive().isEmpty()) {
            waited += quiet;
            conversation.resetSeconds();
        } else if (quiet > kQuietSeconds) {
            return true;
        }
        if (waited + quiet > kLongestQuietWaitSeconds || !conversation.pump())
            return false;
    }
}

// Asks for `block` until its reply can be trusted or the attempts are spent.
// `previous` is the moment of the block before it in this run, if known.
BlockReply fetchOne(Conversation& conversation, int block, const QDateTime& previous,
                    int extraAttempts) {
    std::optional<BlockText> doubted;
    int again = 0;
    for (;;) {
        BlockReply reply = requestBlock(conversation, block);
        if (reply.outcome == BlockOutcome::Ok) {
            const QDateTime moment = blockMoment(reply.block->date, reply.block->time);
            const bool follows = !previous.isValid() || !moment.isValid() || moment > previous;
            if (follows || (doubted && sameBlock(*doubted, *reply.block)))
                return reply;
            // The first reply out of order earns one more request on top of
            // the extra attempts: it may be the logger's own clock.
            if (!doubted)
                --again;
            doubted = reply.block;
            reply = {BlockOutcome::OutOfOrder, {}};
        }
        if (!worthAskingAgain(reply.outcome) || again >= extraAttempts)
            return reply;
        ++again;
        // A malformed reply ended with its CR: nothing more of it is coming.
        if (reply.outcome != BlockOutcome::Malformed && !awaitQuietLine(conversation))
            return {conversation.stopped() ? BlockOutcome::Stopped : BlockOutcome::CutShort, {}};
    }
}

} // namespace

FetchResult fetchBlocks(Conversation& conversation, const FetchRequest& request) {
    const int total = std::max(request.last - request.first + 1, 0);
    QElapsedTimer elapsed;
    elapsed.start();
    if (request.onProgress)
        request.onProgress({0, total, 0});

    conversation.setHeardListener(request.heardFromLogger);
    FetchResult result;
    QDateTime previous;
    for (int block = request.first; block <= request.last; ++block) {
        if (request.stopWanted && request.stopWanted()) {
            result.end = FetchEnd::Stopped;
            return result;
        }
        // Reading a block again is harmless: the logger's memory does not
        // change by being read.
        const BlockReply reply = fetchOne(conversation, block, previous, request.extraAttempts);
        if (reply.outcome != BlockOutcome::Ok) {
            result.end = endFor(reply.outcome);
            return result;
        }
        previous = blockMoment(reply.block->date, reply.block->time);
        ++result.fetched;
        if (request.onBlock)
            request.onBlock(block, *reply.block);
        if (request.onProgress)
            request.onProgress({result.fetched, total, elapsed.elapsed()});
    }
    return result;
}

void reportFetchFailure(Conversation& conversation, FetchEnd end) {
    switch (end) {
    case FetchEnd::NotConnected:
        conversation.reporter().failure(LinkFailure::NotConnected);
        break;
    case FetchEnd::TransmissionError:
    case FetchEnd::Unconfirmed:
        conversation.reporter().failure(LinkFailure::TransmissionError);
        break;
    case FetchEnd::Complete:
    case FetchEnd::Stopped:
        return;
    }
    conversation.markLinkFailed();
}

} // namespace korven
