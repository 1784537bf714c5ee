#pragma once

#include "platform/record.h"

#include <optional>

namespace korven {

// The scan intervals, from "Continuo" (0) to "12 ore" (7).
inline constexpr int kScanIntervals = 8;

// How the logger scans and stores, as the general record keeps it: each one
// an option index, none when the record holds a value no option stands for.
struct ScanChoice {
    std::optional<int> acquisition; // 0: no acquisition, 1: acquisition
    std::optional<int> sleep;       // 0: no auto-sleep, 1: auto-sleep
    std::optional<int> interval;    // 0 to 7

    // The scan command can be built: both the interval and the sleep chosen.
    bool canBeSent() const { return interval && sleep; }
};

// The choices the general record holds. Fields read as numbers, so zeros,
// blanks and zero bytes all read as 0.
ScanChoice scanChoiceOf(const Record& par);

// Stores the choices into the general record: the interval as two digits, the
// flags as one each. A field whose choice is none keeps what it holds.
void storeScanChoice(const ScanChoice& choice, Record& par);

} // namespace korven
