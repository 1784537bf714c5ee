#pragma once

#include "link/conversation.h"
#include "link/protocol/clock_reply.h"
#include "link/protocol/commands.h"

#include <QDateTime>

#include <optional>

namespace korven {

// The logger's clock as it answered, and the computer's clock at the moment
// the logger read its own.
struct ClockReading {
    LoggerClock logger;
    QDateTime computer;
};

struct ClockQuery {
    LinkStatus status = LinkStatus::NoAnswer;
    std::optional<ClockReading> reading;
};

// Asks the awake logger of the conversation for its clock with `command`
// ("H"), framed as a request: its address byte and "!" within three seconds,
// the command, and the thirteen characters of the answer within the same
// three seconds. Silence is reported as a logger not connected; an answer cut
// short or garbled as a transmission error, never as a date.
ClockQuery requestClock(Conversation& conversation,
                        const QByteArray& command = command::clockRequest);

struct ClockSetting {
    LinkStatus status = LinkStatus::NoAnswer;
    QDateTime moment; // what the logger's clock was set to
};

// Sets the awake logger's clock to the computer's, framed as any setting.
// The logger starts the second its "G" carries as the command's CR arrives,
// so the command leaves when, after its time on the line at the port's
// speed, it arrives just as the computer's clock turns to that second.
ClockSetting setClockToComputer(Conversation& conversation);

} // namespace korven
