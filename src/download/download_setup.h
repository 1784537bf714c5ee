#pragma once

#include "download/block_grid.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/record_file.h"
#include "system_setup/installation.h"

namespace korven {

// What a download reads from the set-up files before it talks to the logger.
// Each reader fills the installation's shared in-memory record it reads; a
// file that does not exist is reported and creates nothing, and the values
// then come from the record as it was.

// The digital-input flags of the general parameters (".par").
FileStatus readDigitalInputFlags(Installation& installation, DigitalInputFlags& flags);

// What the data of one channel needs from the logger set-up (".tmr"): the
// name and unit it goes under, where its decimal point stands, and whether
// the logger measures it at all.
struct RecordedChannel {
    QString description; // heads the grid's column
    QString unit;        // "V", "mV", "°C"...; empty for a code in no table
    int decimals = 0;    // 0 to 4
    bool active = false;
};
using RecordedChannels = std::array<RecordedChannel, kAnalogChannels>;

// The eight channels of the channel file.
FileStatus readRecordedChannels(Installation& installation, RecordedChannels& channels);

// What a channel's values go under in an export or a chart: its description
// and unit, "PRESSIONE (mV)", or its number when it has no description.
QString headingOf(const RecordedChannel& channel, int number);

// Their descriptions, as the grid's header shows them.
BlockGrid::Descriptions descriptionsOf(const RecordedChannels& channels);

// The download pointer (".PUN"): the first block of the next automatic
// download, 0 to 65535 as the logger counts. A missing file reads as block 0,
// as for a system never downloaded from. A save of the installation that a
// killed process left half-done is finished (or rolled back) first.
FileStatus readDownloadPointer(Installation& installation, int& firstBlock);

} // namespace korven
