#pragma once

#include "platform/record_file.h"

#include <QString>

namespace korven::demo {

// A weather station of one logger on COM 1 at 9600 baud, modem not
// activated: the system set-up "impianto.stp" with its side files, the logger
// set-up pair "stazione.tmr"/"stazione.par", and "config.dat" naming both.
FileStatus writeSampleInstallation(const QString& programFolder);

} // namespace korven::demo
