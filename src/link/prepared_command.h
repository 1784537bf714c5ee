#pragma once

#include "link/conversation.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace korven {

// How a prepared command is framed: the pause after the address byte, the
// limit for the "!", and the pause after the command (none for a request
// whose reply is awaited instead).
struct CommandFraming {
    int preWait;
    int limit;
    std::optional<int> afterWait;
};

inline constexpr CommandFraming kSettingFraming{0, 2, 0};            // a setting
inline constexpr CommandFraming kRequestFraming{0, 3, std::nullopt}; // a request

// Sends the address byte of the conversation's logger and awaits its "!",
// shows `progress` under the on-line line, then sends the command `command`
// gives at that very moment, and pauses as `framing` says. A logger that does
// not answer is reported.
LinkStatus sendPrepared(Conversation& conversation, const std::function<QByteArray()>& command,
                        const CommandFraming& framing, const QString& progress);

// Tells the user the logger did not answer, when that is what `status` says.
LinkStatus reportNoAnswer(Conversation& conversation, LinkStatus status);

// The line above the progress text: "KORVEN nr. 3 on line".
QString onLineText(int loggerNumber);

} // namespace korven
