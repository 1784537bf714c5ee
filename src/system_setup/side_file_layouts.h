#pragma once

#include "platform/record.h"

namespace korven {

// Logger identity file (".pas"), one 250-byte record.
struct IdentityLayout {
    static constexpr int recordLength = 250;

    static constexpr TextField unused0{0, 2};
    static constexpr TextField unused2{2, 2};
    static constexpr TextField unused4{4, 1};
    static constexpr TextField unused5{5, 2};
    static constexpr TextField unused7{7, 2};
    static constexpr TextField unused9{9, 1};
    static constexpr TextField unused10{10, 2};
    static constexpr TextField loggerCount{12, 3}; // "Nr. Logger", decimal text
    static constexpr TextField unused15{15, 4};
    static constexpr TextField unused19{19, 16};
    static constexpr TextField comIndex{35, 1};   // "0" to "3": COM 1 to COM 4
    static constexpr TextField speedIndex{36, 1}; // "0", "1", "2": 2400, 4800, 9600 baud
    static constexpr TextField telephoneNumber{37, 19};
    static constexpr TextField linkFlag{56, 1};   // modem "0" activated, "1" not; NUL: never set up
    static constexpr TextField modemInit1{57, 12};
    static constexpr TextField modemInit2{69, 12};
    static constexpr TextField modemInit3{81, 12};
    static constexpr TextField modemInit4{93, 12};
    static constexpr TextField dialling{105, 1};  // "0" tones, "1" pulses
    static constexpr TextField modemText{106, 20};
    static constexpr TextField typedLastBlock{126, 4};
    static constexpr TextField unused130{130, 40};
    static constexpr TextField unused170{170, 40};
    static constexpr TextField unused210{210, 40};
};

// Data-directory file (".DIR"), one 200-byte record.
struct DataDirectoryLayout {
    static constexpr int recordLength = 200;

    static constexpr TextField dataFileName{0, 100};
    static constexpr TextField unused100{100, 100};
};

// Download-pointer file (".PUN"), one 38-byte record.
struct DownloadPointerLayout {
    static constexpr int recordLength = 38;

    static constexpr TextField unused0{0, 12};
    static constexpr IntField lastBlock{12}; // "Ultimo blocco": where the next download starts
    static constexpr IntField spare14{14};
    static constexpr IntField spare16{16};
    static constexpr IntField spare18{18};
    static constexpr IntField spare20{20};
    static constexpr TextField lastDownloadDate{22, 10}; // "dd/mm/yyyy"
    static constexpr TextField unused32{32, 2};
    static constexpr TextField spare34{34, 4};
};

} // namespace korven
