#pragma once

#include "platform/record.h"

namespace korven {

// Channel file (".tmr"): record n holds analog channel n - 1.
struct LoggerChannelLayout {
    static constexpr int recordLength = 35;
    static constexpr int channels = 8;

    static constexpr TextField description{0, 10};
    static constexpr TextField activeFlag{10, 3}; // "ON " or "OFF"
    static constexpr TextField gain{13, 6};       // signed five-digit text, no point
    static constexpr TextField zero{19, 6};
    static constexpr TextField inputType{25, 1};  // "0" to "9", "A", "B", "C"
    static constexpr TextField decimals{26, 1};   // "0" to "4"
    static constexpr TextField supply{27, 1};     // "0" to "4"
    static constexpr TextField unit{28, 1};       // "0" to "7"
    static constexpr TextField scalingFlagCopy{29, 3}; // the one parameter sending reads
    static constexpr TextField scalingFlag{32, 3};     // the one the editor and report read
};

// General-parameters file (".par"), one 39-byte record.
struct LoggerParLayout {
    static constexpr int recordLength = 39;

    static constexpr TextField channelCount{0, 2}; // "4 ", "8 "; "16" in a new set
    static constexpr TextField unused2{2, 2};
    static constexpr TextField scanCode{4, 2};     // "00" to "07"
    static constexpr TextField sleepFlag{6, 1};    // "0" or "1"
    static constexpr TextField unused7{7, 16};
    static constexpr TextField acquisitionFlag{23, 1}; // "0" or "1"
    static constexpr TextField memorySize{24, 5};  // "256 K" in a new set
    static constexpr TextField unused29{29, 1};
    static constexpr TextField digital1Flag{30, 3}; // "ON " or "OFF"
    static constexpr TextField digital2Flag{33, 3};
    static constexpr TextField unused36{36, 3};
};

} // namespace korven
