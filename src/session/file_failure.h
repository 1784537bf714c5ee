#pragma once

#include "platform/record_file.h"

#include <QString>

namespace korven {

class Prompter;

// Tells the user that a file of the installation could not be read or
// written. True when `status` is a failure, so a command can end there.
bool reportFileFailure(Prompter& prompter, const QString& path, const FileStatus& status);
// The same for a status that names the file it failed on.
bool reportFileFailure(Prompter& prompter, const FileStatus& status);

// Reads or writes record 1 of the file at `path`, records `recordLength`
// bytes long, telling the user when that fails. True when it worked.
bool readFirstRecord(Prompter& prompter, const QString& path, int recordLength, Record& record);
bool writeFirstRecord(Prompter& prompter, const QString& path, int recordLength,
                      const Record& record);

} // namespace korven
