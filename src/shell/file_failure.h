#pragma once

#include "platform/record_file.h"

#include <QString>

namespace korven {

class Prompter;

// Tells the user that a file of the installation could not be read or
// written. True when `status` is a failure, so a command can end there.
bool reportFileFailure(Prompter& prompter, const QString& path, const FileStatus& status);

} // namespace korven
