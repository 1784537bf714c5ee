#pragma once

#include "download/block_grid.h"
#include "link/port_settings.h"
#include "logger_setup/logger_setup_files.h"
#include "platform/record_file.h"
#include "system_setup/system_setup_files.h"

#include <QString>

namespace korven {

// What a download reads from the set-up files before it talks to the logger.
// Each reader fills the shared in-memory record it reads; a file that does not
// exist is reported and creates nothing, and the values then come from the
// record as it was.

// The port and speed of the logger identity file (".pas").
FileStatus readPortSettings(const QString& systemFilePath, Record& identity,
                            PortSettings& settings);

// The digital-input flags of the general parameters (".par").
FileStatus readDigitalInputFlags(const QString& loggerSetupPath, Record& par,
                                 DigitalInputFlags& flags);

// The descriptions of the eight channels (".tmr"), which head the grid's
// channel columns.
FileStatus readChannelDescriptions(const QString& loggerSetupPath, Record& channel,
                                   BlockGrid::Descriptions& descriptions);

// The download pointer (".PUN"): the first block of the next automatic
// download. A missing file reads as block 0, as for a system never
// downloaded from.
FileStatus readDownloadPointer(const QString& systemFilePath, Record& downloadPointer,
                               int& firstBlock);

} // namespace korven
