#include "sim/logger_inputs.h"

#include "sim/channel_parameters.h"
#include "sim/reading_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace korven::sim {

namespace {

struct SensorCurve {
    double level;
    double swing;
    double periodMinutes;
};

// A mix of shapes: daily temperature-like curves, a faster signal swinging
// around zero (so negative readings turn up), one that stays negative.
constexpr std::array<SensorCurve, kAnalogChannels> kCurves{{
    {2150, 850, 1440},
    {5200, 2300, 720},
    {12000, 4000, 1440},
    {0, 6000, 360},
    {-1500, 900, 1440},
    {800, 300, 180},
    {15000, 3500, 2880},
    {300, 250, 60},
}};

constexpr int kUnitGain = 10000;

double minutesSinceEpoch(const QDateTime& at) {
    return static_cast<double>(at.toMSecsSinceEpoch()) / 60000.0;
}

} // namespace

int sensorReading(int channel, const QDateTime& at) {
    const SensorCurve& curve = kCurves.at(channel);
    // Each channel starts its cycle at a different phase.
    const double phase = 2 * std::numbers::pi * minutesSinceEpoch(at) / curve.periodMinutes;
    return static_cast<int>(std::lround(curve.level + curve.swing * std::sin(phase + channel)));
}

int channelReading(const ChannelParameters& channel, int sensor) {
    if (!channel.active)
        return 0;
    if (!channel.scaling)
        return clampReading(sensor);
    const long long scaled = static_cast<long long>(sensor) * channel.gain / kUnitGain;
    return static_cast<int>(
        std::clamp<long long>(scaled + channel.zero, -kReadingLimit, kReadingLimit));
}

quint8 digitalContacts(int input, const QDateTime& at) {
    const auto minutes = static_cast<long long>(minutesSinceEpoch(at));
    // Input 0 toggles every 15, 30, ... minutes; input 1 more slowly.
    const int stepMinutes = input == 0 ? 15 : 40;
    quint8 bits = 0;
    for (int contact = 0; contact < kContactsPerInput; ++contact) {
        if ((minutes / (stepMinutes * (contact + 1))) % 2 != 0)
            bits |= quint8(1u << contact);
    }
    return bits;
}

} // namespace korven::sim
