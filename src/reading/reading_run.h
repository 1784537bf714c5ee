#pragma once

#include "link/protocol/reading_reply.h"
#include "reading/reading_setup.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace korven {

// How a live reading ended.
enum class ReadingEnd {
    Stopped,           // asked to stop: the pass or cycle under way was finished first
    Interrupted,       // the link was stopped at once (a screen closing, the program ending)
    NotConnected,      // the logger stopped answering its address byte; the user has been told
    TransmissionError, // a reading never came, second starts included; the user has been told
    Busy,              // another conversation holds the line; nothing was sent
};

// One reading of an analog channel as it came, with what it is worth.
struct ChannelReading {
    int channel = 0;
    QString reply; // exactly as received
    QDateTime at;
    std::optional<double> direct;  // the reply's value; empty when it is not a reading
    std::optional<double> treated; // treated for the channel; empty when it is not a reading
};

// What the all-channels reading tells whoever runs it, as it goes.
struct AllChannelsObserver {
    std::function<void(int channel)> asking; // its reading is awaited
    std::function<void(const ChannelReading&)> read;
    // The digital inputs, read after the last channel of a pass when it is active.
    std::function<void(const DigitalInputsReading&)> digitalRead;
    std::function<void()> passEnded;
};

// What a reading run goes by.
struct ReadingRun {
    const ReadingSetup& setup;
    // The stop button: looked at after each pass or cycle.
    const bool& stop;
    // Whole seconds to rest after each pass or cycle: N rests until the
    // second tick after N - 1 whole ones (so 1 rests until the next tick); 0
    // not at all.
    int interval = 0;
    std::function<QDateTime()> now;

    ChannelReading reading(int channel, const QString& reply) const;
};

} // namespace korven
