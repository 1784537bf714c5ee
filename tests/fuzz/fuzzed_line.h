#pragma once

#include "fuzz_input.h"

#include "sim/logger_brain.h"

#include <QList>

namespace korven::fuzz {

// A line whose faults the fuzzer chooses: a byte per reply, whose low bits
// pass it as sent (0-7, so runs get into the blocks) or spoil it, and whose
// top three bits delay it up to 1, 5 or 25 s, around the link's time limits.
// Once the input is used up the line is dead, so every run ends.
class FuzzedLine {
public:
    explicit FuzzedLine(FuzzInput& input) : input_(input) {}

    QList<sim::Emission> carry(sim::Emission reply) {
        if (input_.exhausted())
            return {};
        const quint8 directive = input_.byte();
        QByteArray& bytes = reply.bytes;
        const auto somewhere = [&] { return bytes.isEmpty() ? 0 : input_.byte() % bytes.size(); };
        switch (directive & 0x0F) {
        case Lost:
            return {};
        case Cut:
            bytes.truncate(input_.byte() % (bytes.size() + 1));
            break;
        case ByteChanged:
            if (!bytes.isEmpty())
                bytes[somewhere()] = static_cast<char>(input_.byte());
            break;
        case ByteDropped:
            if (!bytes.isEmpty())
                bytes.remove(somewhere(), 1);
            break;
        case Replaced:
            bytes = input_.bytes(input_.byte());
            break;
        case Doubled:
            bytes += bytes;
            break;
        case NoiseBefore:
            bytes.prepend(input_.bytes(input_.byte() % kLongestNoise));
            break;
        case NoiseAfter:
            bytes.append(input_.bytes(input_.byte() % kLongestNoise));
            break;
        default:
            break;
        }
        static constexpr int kMsPerLatenessStep[8] = {0, 0, 0, 0, 0, 4, 20, 100};
        if (const int step = kMsPerLatenessStep[directive >> 5])
            reply.delayMs += input_.byte() * step;
        return {reply};
    }

private:
    enum Fault : quint8 {
        Lost = 8,
        Cut,
        ByteChanged,
        ByteDropped,
        Replaced,
        Doubled,
        NoiseBefore,
        NoiseAfter
    };
    static constexpr int kLongestNoise = 16;

    FuzzInput& input_;
};

} // namespace korven::fuzz
