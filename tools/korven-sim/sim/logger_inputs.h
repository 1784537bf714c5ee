#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <array>

namespace korven::sim {

struct ChannelParameters;

inline constexpr int kAnalogChannels = 8;
inline constexpr int kDigitalInputs = 2;
inline constexpr int kContactsPerInput = 6;

// The contacts of both digital inputs, one byte each (bit k is contact k).
using DigitalInputs = std::array<quint8, kDigitalInputs>;

// What the simulated sensors deliver. Every value depends only on the instant,
// so a stored block and a live reading taken at the same moment agree, and a
// block reads the same however often it is fetched.

// Channel `channel` (0-7) before the channel's own settings apply: a smooth
// curve of its own level, swing and period.
int sensorReading(int channel, const QDateTime& at);

// The reading the logger reports once the channel's settings apply: an
// inactive channel reads 0; with scaling on the sensor reading is multiplied
// by gain / 10000 and zero is added. The number of decimals changes nothing.
int channelReading(const ChannelParameters& channel, int sensor);

// The six contacts of digital input `input` (0 or 1): bit k is contact k,
// each toggling slowly at its own pace.
quint8 digitalContacts(int input, const QDateTime& at);

} // namespace korven::sim
