#include "download/block_fetch.h"

#include <QElapsedTimer>

namespace korven {

namespace {

FetchEnd endFor(BlockOutcome outcome) {
    switch (outcome) {
    case BlockOutcome::Ok:
        return FetchEnd::Complete;
    case BlockOutcome::Malformed:
        return FetchEnd::TransmissionError;
    case BlockOutcome::Stopped:
        return FetchEnd::Stopped;
    case BlockOutcome::Silent:
    case BlockOutcome::CutShort:
        break;
    }
    return FetchEnd::NotConnected;
}

bool worthAskingAgain(BlockOutcome outcome) {
    return outcome == BlockOutcome::CutShort || outcome == BlockOutcome::Malformed;
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
    for (int block = request.first; block <= request.last; ++block) {
        if (request.stopWanted && request.stopWanted()) {
            result.end = FetchEnd::Stopped;
            return result;
        }
        BlockReply reply = requestBlock(conversation, block);
        // Reading a block again is harmless: the logger's memory does not
        // change by being read.
        for (int again = 0; again < request.extraAttempts && worthAskingAgain(reply.outcome);
             ++again)
            reply = requestBlock(conversation, block);
        if (reply.outcome != BlockOutcome::Ok) {
            result.end = endFor(reply.outcome);
            return result;
        }
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
        conversation.reporter().failure(LinkFailure::TransmissionError);
        break;
    case FetchEnd::Complete:
    case FetchEnd::Stopped:
        return;
    }
    conversation.markLinkFailed();
}

} // namespace korven
