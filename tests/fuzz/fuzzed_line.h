#pragma once

#include "fuzz_input.h"

#include "sim/logger_brain.h"

#include <QList>

namespace korven::fuzz {

// A line whose every fault is chosen by the fuzzer: each reply of the logger
// takes one byte of the input that says whether it arrives as sent, lost,
// cut, with a byte changed or dropped, replaced, doubled, with noise before
// or after it, and how late. Once the input is used up the line is dead, so
// every run ends.
class FuzzedLine {
public:
    explicit FuzzedLine(FuzzInput& input) : input_(input) {}

    QList<sim::Emission> carry(sim::Emission reply);

private:
    int lateness(quint8 directive);

    FuzzInput& input_;
};

} // namespace korven::fuzz
