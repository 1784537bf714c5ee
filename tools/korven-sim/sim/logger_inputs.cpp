#include "sim/logger_inputs.h"

#include "sim/channel_parameters.h"
#include "sim/reading_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace korven::sim {

namespace {

struct Span {
    double level;
    double swing;
};

struct SensorCurve {
    Span span;
    double periodMinutes;
};

// A mix of shapes for channels nobody has set up: daily temperature-like
// curves, a faster signal swinging around zero (so negative readings turn
// up), one that stays negative.
constexpr std::array<SensorCurve, kAnalogChannels> kCurves{{
    {{2150, 850}, 1440},
    {{5200, 2300}, 720},
    {{12000, 4000}, 1440},
    {{0, 6000}, 360},
    {{-1500, 900}, 1440},
    {{800, 300}, 180},
    {{15000, 3500}, 2880},
    {{300, 250}, 60},
}};

// Counts a set-up channel delivers, by input type: the voltage ranges well
// inside their full scale, currents in microamperes, the Pt100 in hundredths
// of a degree.
Span spanOf(char inputType) {
    switch (inputType) {
    case '0':
    case '1':
    case '2':
        return {6000, 2500};
    case '3':
    case '4':
    case '5':
        return {9000, 4000};
    case '9':
        return {10000, 6000};
    case 'A':
        return {10000, 7000};
    case 'B':
        return {12000, 6000};
    case 'C':
        return {2150, 850};
    default:
        return {12000, 5000};
    }
}

constexpr int kUnitGain = 10000;
constexpr double kRippleShare = 0.04;
constexpr double kRipplePeriodMinutes = 1.5;
constexpr double kNoiseShare = 0.01;

double minutesSinceEpoch(const QDateTime& at) {
    return static_cast<double>(at.toMSecsSinceEpoch()) / 60000.0;
}

// A value from -1 to 1 that depends only on the channel and the second.
double noise(int channel, const QDateTime& at) {
    quint64 x = static_cast<quint64>(at.toSecsSinceEpoch()) * 8 + static_cast<quint64>(channel);
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    return static_cast<double>(x % 2001) / 1000.0 - 1.0;
}

} // namespace

int sensorReading(int channel, const ChannelParameters* configured, const QDateTime& at) {
    const SensorCurve& curve = kCurves.at(channel);
    const Span span = configured ? spanOf(configured->inputType) : curve.span;
    const double minutes = minutesSinceEpoch(at);
    // Each channel starts its cycles at a different phase.
    const double slow = std::sin(2 * std::numbers::pi * minutes / curve.periodMinutes + channel);
    const double ripple = std::sin(2 * std::numbers::pi * minutes / kRipplePeriodMinutes + channel);
    const double value = span.level + span.swing * (slow + kRippleShare * ripple) +
                         span.swing * kNoiseShare * noise(channel, at);
    return clampReading(static_cast<int>(std::lround(value)));
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
