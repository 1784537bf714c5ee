#pragma once

#include "logger_setup/logger_setup_files.h"
#include "platform/record_file.h"
#include "system_setup/system_setup_files.h"

#include <QString>

namespace korven {

// The set-up files a job works on, and the one in-memory copy of each record
// type: a reader fills it, a writer stores it whole, so the fields a writer
// does not set keep what the last read left there.
struct Installation {
    QString systemFilePath;  // the current ".stp"
    QString loggerSetupPath; // the current ".tmr"/".par" pair, without extension
    SystemSetupRecords systemRecords;
    LoggerSetupRecords loggerRecords;
};

// The set-up files "config.dat" in `programFolder` names, for a job run
// without the program's start-up (korvenctl). A missing "config.dat", or one
// that names no system set-up or no logger set-up, is an error.
FileStatus readInstallationSettings(const QString& programFolder, Installation& installation);

} // namespace korven
