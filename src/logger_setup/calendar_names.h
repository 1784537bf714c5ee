#pragma once

#include <QString>

#include <optional>

namespace korven {

// Italian month (1 = January) and weekday (1 = Sunday) names, nine characters
// each, blank-padded so printed dates line up. None outside the range.
std::optional<QString> monthName(int month);
std::optional<QString> weekdayName(int day);

} // namespace korven
