#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace korven::sim {

// One command of a Hayes command line ("AT&D0&K0&R1" holds three).
struct AtCommand {
    enum class Kind {
        Setting,      // accepted and kept to no effect: &C, &D, &K, &R, &F, &W, L, M, Q0, V1, X
        Echo,         // E0 / E1
        HangUp,       // H / H0
        Online,       // O / O0: back to the call
        Reset,        // Z
        SetRegister,  // Sn=v
        ShowRegister, // Sn?
        Dial,         // D, DT, DP + number: the rest of the line
    };
    Kind kind = Kind::Setting;
    int number = 0;        // the digit after the letter, or the register
    int value = 0;         // the new value of a register
    char dialMethod = 'T'; // 'T' tones, 'P' pulses
    QByteArray dialNumber;
};

// The commands of a line that followed "AT" (letters in either case, blanks
// ignored), in order; nothing when any of them is unknown or out of range,
// which a modem answers with ERROR.
std::optional<QList<AtCommand>> parseAtCommands(const QByteArray& afterAt);

} // namespace korven::sim
