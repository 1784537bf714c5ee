#include "sim/channel_parameters.h"

#include "sim/logger_events.h"
#include "sim/wire_numbers.h"

#include <algorithm>
#include <cstdlib>

namespace korven::sim {

namespace {

// Offsets into the command text, counted from 0.
constexpr int kLength = 35;
constexpr int kChannel = 1;
constexpr int kDescription = 2;
constexpr int kDescriptionLength = 10;
constexpr int kUnit = 12;
constexpr int kInputType = 13;
constexpr int kFixedOne = 14;
constexpr int kDecimals = 15;
constexpr int kSupply = 16;
constexpr int kActive = 17;
constexpr int kScaling = 18;
constexpr int kGainSign = 19; // then four hexadecimal digits
constexpr int kScalingAgain = 24;
constexpr int kZeroSign = 25; // then four hexadecimal digits
constexpr int kTrailer = 30;
constexpr char kTrailerText[] = "58061";
constexpr int kLargestMagnitude = 19999;

bool within(char c, char lowest, char highest) {
    return c >= lowest && c <= highest;
}

// The description is shown and printed as text; a control byte in it (the
// NUL of a set never saved, say) has no business on the line.
bool isText(const QByteArray& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return within(c, ' ', '~'); });
}

// Input types are "0" to "9", then "A", "B", "C" for the current loops and
// the resistance thermometer.
bool isInputType(char c) {
    return within(c, '0', '9') || within(c, 'A', 'C');
}

std::optional<bool> flag(char c) {
    if (c == '0' || c == '1')
        return c == '1';
    return std::nullopt;
}

// A sign character followed by four upper-case hexadecimal digits.
std::optional<int> signedMagnitude(const QByteArray& text, int at) {
    const char sign = text.at(at);
    if (sign != '+' && sign != '-')
        return std::nullopt;
    const auto magnitude = upperHexNumber(text.mid(at + 1, 4));
    if (!magnitude || *magnitude > kLargestMagnitude)
        return std::nullopt;
    return sign == '+' ? *magnitude : -*magnitude;
}

ChannelCommandReading refused(const char* why) {
    return {std::nullopt, why};
}

} // namespace

ChannelCommandReading readChannelCommand(const QByteArray& command) {
    if (command.size() != kLength || command.at(0) != 'P')
        return refused("not 35 characters");
    const char channel = command.at(kChannel);
    const char decimals = command.at(kDecimals);
    const auto active = flag(command.at(kActive));
    const auto scaling = flag(command.at(kScaling));
    const auto gain = signedMagnitude(command, kGainSign);
    const auto zero = signedMagnitude(command, kZeroSign);
    if (!within(channel, '0', '7'))
        return refused("channel must be 0 to 7");
    if (!isText(command.mid(kDescription, kDescriptionLength)))
        return refused("the description holds control characters");
    if (!within(command.at(kUnit), '0', '7'))
        return refused("unit must be 0 to 7");
    if (!isInputType(command.at(kInputType)))
        return refused("input type must be 0 to 9, A, B or C");
    if (command.at(kFixedOne) != '1')
        return refused("position 15 must be 1");
    if (!within(decimals, '0', '4'))
        return refused("decimals must be 0 to 4");
    if (!within(command.at(kSupply), '0', '4'))
        return refused("supply must be 0 to 4");
    if (!active || !scaling)
        return refused("active and scaling flags must be 0 or 1");
    if (command.at(kScalingAgain) != command.at(kScaling))
        return refused("the two scaling flags differ");
    if (!gain || !zero)
        return refused("gain and zero must be a sign and 0000 to 4E1F");
    if (command.mid(kTrailer) != kTrailerText)
        return refused("must end with 58061");

    ChannelCommand result;
    result.channel = channel - '0';
    ChannelParameters& p = result.parameters;
    p.description = command.mid(kDescription, kDescriptionLength);
    p.unit = command.at(kUnit);
    p.inputType = command.at(kInputType);
    p.decimals = decimals - '0';
    p.supply = command.at(kSupply);
    p.active = *active;
    p.scaling = *scaling;
    p.gain = *gain;
    p.zero = *zero;
    return {result, {}};
}

QByteArray signedFiveDigits(int value) {
    return (value < 0 ? "-" : "+") + QByteArray::number(std::abs(value)).rightJustified(5, '0');
}

QByteArray describeChannel(int channel, const ChannelParameters& p) {
    return "channel " + QByteArray::number(channel) + ": description \"" +
           printable(p.description) + "\" unit " + p.unit + " type " + p.inputType + " decimals " +
           QByteArray::number(p.decimals) + " supply " + p.supply + " active " +
           (p.active ? '1' : '0') + " scaling " + (p.scaling ? '1' : '0') + " gain " +
           signedFiveDigits(p.gain) + " zero " + signedFiveDigits(p.zero);
}

} // namespace korven::sim
