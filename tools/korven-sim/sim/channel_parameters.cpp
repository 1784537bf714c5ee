#include "sim/channel_parameters.h"

#include "sim/wire_numbers.h"

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
    if (!magnitude)
        return std::nullopt;
    return sign == '+' ? *magnitude : -*magnitude;
}

} // namespace

std::optional<ChannelCommand> parseChannelCommand(const QByteArray& command) {
    if (command.size() != kLength || command.at(0) != 'P')
        return std::nullopt;
    const char channel = command.at(kChannel);
    const char decimals = command.at(kDecimals);
    const auto active = flag(command.at(kActive));
    const auto scaling = flag(command.at(kScaling));
    const auto gain = signedMagnitude(command, kGainSign);
    const auto zero = signedMagnitude(command, kZeroSign);
    if (channel < '0' || channel > '7' || decimals < '0' || decimals > '5' ||
        command.at(kFixedOne) != '1' || !active || !scaling ||
        command.at(kScalingAgain) != command.at(kScaling) || !gain || !zero ||
        command.mid(kTrailer) != kTrailerText)
        return std::nullopt;

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
    return result;
}

} // namespace korven::sim
