#pragma once

#include "link/port_settings.h"
#include "link/protocol/block_reply.h"
#include "platform/record_file.h"
#include "system_setup/installation.h"

#include <QString>

#include <algorithm>
#include <array>

namespace korven {

// What the reading screens know of one analog channel, from its record of the
// system set-up.
struct ReadingChannel {
    QString description;   // trailing blanks removed
    QString unit;          // trailing blanks removed
    QString treatmentCode; // "01" for the "A*x+B" treatment
    QString gain;          // sign and five digits
    QString zero;
    bool active = true; // anything but "OFF"
    QString mask;       // "*****." to ".*****"; empty until a record names one
};

// The channel tables and port settings a live reading goes by.
struct ReadingSetup {
    PortSettings port;
    int channelCount = 0; // the logger set-up's channel count, as a number
    bool digital1Active = true;
    bool digital2Active = true;
    std::array<ReadingChannel, kAnalogChannels> channels;

    bool fourChannels() const { return channelCount == 4; }
    // The channels a pass goes over: the logger has eight at most, whatever
    // the set-up says (a new set says 16).
    int channelsRead() const { return std::clamp(channelCount, 0, kAnalogChannels); }
};

struct ReadingSetupStatus {
    FileStatus status;
    QString path; // the file that could not be read

    explicit operator bool() const { return static_cast<bool>(status); }
};

// Reads the channel count and digital-input flags of the logger set-up
// (".par"), records 1 to 8 of the system set-up (".stp") and the port
// settings (".pas") into `setup`, through the installation's shared
// in-memory records. The first file that cannot be read ends it; what was
// read before stays. A decimal mask index outside 0-5 leaves the channel's
// mask as it was.
ReadingSetupStatus readReadingSetup(Installation& installation, ReadingSetup& setup);

} // namespace korven
