#pragma once

#include "link/conversation.h"
#include "reading/reading_run.h"

namespace korven {

// The all-channels reading: passes over the active channels 0 to the channel
// count - 1, each asked with "F" and its number as one digit after the
// address byte and its "!", the digital inputs ("A0") after the last channel
// when that one is active, until the stop button is found pressed after a
// pass. A reading that does not come in time gets a second start, at most
// three for the same reading. Nothing is reported here: the caller tells the
// user and closes the port.
ReadingEnd readChannelPasses(Conversation& conversation, const ReadingRun& run,
                             const AllChannelsObserver& observer);

} // namespace korven
