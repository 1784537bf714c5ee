#pragma once

#include <QByteArray>

#include <optional>

namespace korven::sim {

// What the program told the logger about one analog channel with a "P"
// command. Codes are kept as the characters that came on the line; gain and
// zero are signed magnitudes of at most 19999.
struct ChannelParameters {
    QByteArray description = "          ";
    char unit = '7';
    char inputType = '6';
    int decimals = 0;
    char supply = '0';
    bool active = true;
    bool scaling = false;
    int gain = 10000;
    int zero = 0;

    bool operator==(const ChannelParameters&) const = default;
};

struct ChannelCommand {
    int channel = 0;
    ChannelParameters parameters;
};

// A "P" command read, or why the logger turned it down.
struct ChannelCommandReading {
    std::optional<ChannelCommand> command;
    QByteArray refusal;
};

// Reads a 35-character "P" command (without its CR). A command that breaks
// the layout anywhere is refused as a whole, and the logger keeps what it had.
ChannelCommandReading readChannelCommand(const QByteArray& command);

// A gain or zero as sign and five digits, as the set-up files hold them
// ("+12345", "-00150").
QByteArray signedFiveDigits(int value);

// One line telling what a channel now holds, for people and for tests:
// channel 3: description "PRESSIONE " unit 3 type 6 decimals 2 supply 4
// active 1 scaling 1 gain +12345 zero -00150
QByteArray describeChannel(int channel, const ChannelParameters& parameters);

} // namespace korven::sim
