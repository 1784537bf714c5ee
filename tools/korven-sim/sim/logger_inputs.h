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

// Channel `channel` (0-7) in converter counts, before the channel's scaling
// applies: a slow curve of the channel's own period and phase, a faint ripple
// and a little noise that changes every second. `configured` is the set-up
// the program sent, if any: its input type sets level and swing (a 4-20 mA
// loop stays between 4000 and 20000 counts, a Pt100 reads room temperature in
// hundredths of a degree); without one each channel has a curve of its own.
int sensorReading(int channel, const ChannelParameters* configured, const QDateTime& at);

// The reading the logger reports once the channel's settings apply: an
// inactive channel reads 0; with scaling on the sensor reading is multiplied
// by gain / 10000 and zero is added. The number of decimals changes nothing.
int channelReading(const ChannelParameters& channel, int sensor);

// The six contacts of digital input `input` (0 or 1): bit k is contact k,
// each toggling slowly at its own pace.
quint8 digitalContacts(int input, const QDateTime& at);

} // namespace korven::sim
