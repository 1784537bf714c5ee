#pragma once

#include <QByteArray>

#include <functional>

namespace korven::sim {

// What the simulated logger and modem tell about themselves as they go, one
// line at a time, for a log. Set-up lines say what the logger now holds (a
// channel's parameters, the channel count); conversation lines follow the
// exchange (an address answered, a command run, the logger falling asleep).
enum class EventTopic { Conversation, Setup };
using EventSink = std::function<void(EventTopic, const QByteArray&)>;

// Bytes that are not printable ASCII shown as \xNN (a backslash as \x5C), so
// a log line stays one readable line whatever came on the wire.
QByteArray printable(const QByteArray& bytes);

} // namespace korven::sim
