#pragma once

#include <QString>

namespace korven::demo {

// A short user manual as "KORVENmanuale_1x.pdf", so that Help > Manuale has
// something to open in the demo.
bool writeSampleManual(const QString& programFolder);

} // namespace korven::demo
