#pragma once

#include "platform/record.h"

namespace korven {

// The program's own settings, "config.dat": one 129-byte record.
struct SettingsLayout {
    static constexpr int recordLength = 129;

    static constexpr TextField reserved0{0, 4};
    static constexpr TextField reserved4{4, 3};
    static constexpr TextField reserved7{7, 7};
    // "ON ": every automatic download the program saves goes into the
    // station archive too.
    static constexpr TextField archiveEveryDownload{14, 3};
    static constexpr TextField systemFilePath{17, 45};  // ".stp" included
    static constexpr TextField loggerSetupPath{62, 45}; // without extension
    static constexpr TextField password{107, 20};
    static constexpr IntField passwordActive{127}; // -1 active, 0 not
};

} // namespace korven
