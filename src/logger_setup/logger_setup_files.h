#pragma once

#include "logger_setup/logger_setup_layouts.h"
#include "platform/record.h"
#include "platform/record_file.h"

#include <QString>

namespace korven {

// The shared in-memory records of the logger set-up pair.
struct LoggerSetupRecords {
    Record channel{LoggerChannelLayout::recordLength};
    Record par{LoggerParLayout::recordLength};
};

// The pair is named by a base path without extension. An existing file is
// found whatever the letter case of its extension.
QString channelFilePath(const QString& loggerSetupPath); // ".tmr"
QString parFilePath(const QString& loggerSetupPath);     // ".par"

// Reads or writes the general record, record 1 of the ".par" file of the set
// at `loggerSetupPath`. Reading a file that does not exist creates it empty.
// A failure names the file.
FileStatus readGeneralRecord(const QString& loggerSetupPath, Record& par);
FileStatus writeGeneralRecord(const QString& loggerSetupPath, const Record& par);

// The channel count of the general record as a number: 4, 8, or 16 for a new set.
int channelCountOf(const Record& par);

// A channel file is new when the activation field of its first record starts
// with a zero byte: never written, or empty.
bool isNewChannelFile(const Record& firstChannel);

// A logger set-up chosen for the first time: eight reset channel records and a
// general record with "16" channels and "256 K" of memory. The channel reset
// starts from what `records.channel` holds (the first record just read); the
// general record from what `records.par` holds. Both writes are whole-file
// writes that never leave a half-written file.
FileStatus resetNewLoggerSet(const QString& loggerSetupPath, LoggerSetupRecords& records);

} // namespace korven
