#pragma once

#include "link/conversation.h"
#include "reading/reading_run.h"

#include <functional>

namespace korven {

// The single-channel reading: "F" and the channel as two digits, once a
// cycle, until the stop button is found pressed after a cycle. The address
// byte may be answered with anything; when nothing answers within about a
// second the line is cleared and the byte sent again ("riprendo il
// comando"), at most four times in the whole run. A reading that does not
// come in time gets a second start, at most three for the same cycle. Each
// cycle shows "CICLO " and its number. Nothing is reported here: the caller
// tells the user and closes the port.
ReadingEnd readOneChannelLoop(Conversation& conversation, const ReadingRun& run, int channel,
                              const std::function<void(const ChannelReading&)>& read);

} // namespace korven
