#pragma once

#include "platform/record_file.h"
#include "system_setup/system_setup_files.h"

namespace korven {

// The record of system channel n in a new system set-up file.
void fillNewSystemChannel(Record& channel, int n);

// The defaults a reset writes into the identity record; the fields it does not
// name keep what the record held.
void applyIdentityDefaults(Record& identity);

// The file work of resetting a system set-up: the 2401 default channel
// records (records beyond them are kept), the default identity record over
// the one last read, and "dati.prn" as the data file name. Afterwards the
// identity record is read back into `records.identity`. The channel file is
// replaced as a whole, never left half-written.
FileStatus resetSystemFile(const QString& systemFilePath, SystemSetupRecords& records);

} // namespace korven
