#pragma once

#include "link/logger_clock.h"

#include <QString>

#include <optional>

namespace korven {

// How far the logger's clock is ahead of the computer's (behind when
// negative), in whole seconds; none when the logger's date is no date.
std::optional<qint64> driftSeconds(const ClockReading& reading);

// The drift as the general parameters show it: "Scarto: +12 s", from two
// minutes on in whole minutes ("Scarto: -5 min"), from two hours on in whole
// hours ("Scarto: +26 h").
QString driftText(qint64 seconds);

} // namespace korven
