#pragma once

#include <QString>

namespace korven::bench {

// A program folder in `folder`: "config.dat" naming a system set-up on COM 1
// at 9600 baud and a logger set-up with both digital inputs on.
bool writeProgramFolder(const QString& folder);

} // namespace korven::bench
