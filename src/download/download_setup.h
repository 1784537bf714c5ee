#pragma once

#include "download/block_grid.h"
#include "platform/record_file.h"
#include "system_setup/installation.h"

namespace korven {

// What a download reads from the set-up files before it talks to the logger.
// Each reader fills the installation's shared in-memory record it reads; a
// file that does not exist is reported and creates nothing, and the values
// then come from the record as it was.

// The digital-input flags of the general parameters (".par").
FileStatus readDigitalInputFlags(Installation& installation, DigitalInputFlags& flags);

// The descriptions of the eight channels (".tmr"), which head the grid's
// channel columns.
FileStatus readChannelDescriptions(Installation& installation,
                                   BlockGrid::Descriptions& descriptions);

// The download pointer (".PUN"): the first block of the next automatic
// download. A missing file reads as block 0, as for a system never
// downloaded from.
FileStatus readDownloadPointer(Installation& installation, int& firstBlock);

} // namespace korven
