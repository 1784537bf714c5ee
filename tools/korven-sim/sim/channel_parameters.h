#pragma once

#include <QByteArray>

#include <optional>

namespace korven::sim {

// What the program told the logger about one analog channel with a "P"
// command. Gain and zero are signed magnitudes of at most 19999.
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

// Reads a 35-character "P" command (without its CR). A command that does not
// follow the layout exactly gives nothing, so the logger ignores it.
std::optional<ChannelCommand> parseChannelCommand(const QByteArray& command);

} // namespace korven::sim
