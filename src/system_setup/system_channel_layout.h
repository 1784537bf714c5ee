#pragma once

#include "platform/record.h"

namespace korven {

// System set-up file (".stp"): record n + 1 describes system channel n.
struct SystemChannelLayout {
    static constexpr int recordLength = 75;
    static constexpr int newFileRecords = 2401; // system channels 0 to 2400

    static constexpr IntField channelIndex{0};
    static constexpr TextField moduleCode{2, 3};
    static constexpr TextField moduleChannel{5, 4};
    static constexpr TextField activation{9, 3};
    static constexpr TextField upperValue{12, 6};
    static constexpr TextField lowerValue{18, 6};
    static constexpr TextField treatmentCode{24, 2};
    static constexpr TextField gain{26, 6};
    static constexpr TextField zero{32, 6};
    static constexpr IntField decimalMaskIndex{38};
    static constexpr TextField description{40, 20};
    static constexpr TextField unit{60, 4};
    static constexpr TextField reservedCode1{64, 1};
    static constexpr TextField reservedCode2{65, 2};
    static constexpr TextField reservedCode3{67, 2};
    static constexpr TextField reservedCode4{69, 2};
    static constexpr TextField reservedCode5{71, 2};
    static constexpr IntField spareWord{73};
};

} // namespace korven
