#pragma once

#include "link/conversation.h"

#include <QByteArray>
#include <QString>

namespace korven {

// How many second ticks a reading may take once its command has gone.
inline constexpr int kReadingLimit = 6;
// After this many second starts for the same reading, the reading gives up.
inline constexpr int kMostSecondStarts = 3;

// Sends `command` with its CR and waits until `length` characters are
// waiting, showing `waitText` followed by the second ticks meanwhile. Ok,
// NoAnswer once the ticks exceed the limit, or Stopped.
LinkStatus requestReading(Conversation& conversation, const QByteArray& command, int length,
                          const QString& waitText);

// Takes what is waiting once a reading has arrived; the second ticks start
// again from 0.
QByteArray takeReply(Conversation& conversation);

// A reading that did not come in time: the line cleared with a lone CR and
// "Second starting" shown, before the address byte goes again.
void secondStart(Conversation& conversation);

// Rests after a pass or a cycle as `interval` says (see ReadingRun); false
// when the conversation was stopped meanwhile.
bool restAfter(Conversation& conversation, int interval);

} // namespace korven
