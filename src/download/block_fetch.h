#pragma once

#include "download/block_request.h"
#include "download/download_progress.h"

#include <functional>

namespace korven {

// How a run of block requests ended.
enum class FetchEnd {
    Complete,
    NotConnected,      // the logger stopped answering, or a reply never finished
    TransmissionError, // a reply came back malformed
    Unconfirmed, // a reply did not follow the block before it, and asking again did not settle it
    Stopped,     // the conversation was asked to stop, or the run ended between blocks
};

struct FetchResult {
    FetchEnd end = FetchEnd::Complete;
    int fetched = 0; // blocks first .. first + fetched - 1 arrived, in order
};

struct FetchRequest {
    int first = 0;
    int last = -1;
    // How many more times a block whose reply was cut short or malformed is
    // asked for before the run fails. A logger that stays silent fails the
    // run at once: nothing is listening any more.
    int extraAttempts = 0;
    std::function<void(int block, const BlockText& text)> onBlock;
    std::function<void(const DownloadProgress& progress)> onProgress;
    std::function<void()> heardFromLogger;
    // Asked before each block; true ends the run there (Stopped), with every
    // block before it handed over whole.
    std::function<bool()> stopWanted;
};

// Fetches blocks first to last, in order, over a conversation whose logger
// is awake. Stops at the first block that cannot be fetched; the blocks
// before it have been handed to onBlock.
//
// Only the block asked for is handed over. A reply that comes after its time
// limit would otherwise be taken as the answer to a later request, so after
// a limit has passed the line is left to fall quiet before the block is
// asked for again. The replies carry no block number, but their date and
// time must come after the block before: one that does not is asked for once
// more on a quiet line, and taken only if the same comes back (the logger's
// clock was set back), else it is asked for again within the extra attempts
// and the run ends there (Unconfirmed).
FetchResult fetchBlocks(Conversation& conversation, const FetchRequest& request);

// Tells the user why a fetch ended early, as the link does for any failed
// exchange, and records the failure in the link state. Nothing for a complete
// or stopped fetch.
void reportFetchFailure(Conversation& conversation, FetchEnd end);

} // namespace korven
