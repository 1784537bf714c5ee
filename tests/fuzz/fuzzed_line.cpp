#include "fuzzed_line.h"

namespace korven::fuzz {

namespace {

enum Fault : quint8 {
    // Half the replies arrive as sent, so a run gets past the wake-up and
    // into the blocks.
    Lost = 8,
    Cut,
    ByteChanged,
    ByteDropped,
    Replaced,
    Doubled,
    NoiseBefore,
    NoiseAfter,
};

constexpr quint8 kFaultBits = 0x0F;
constexpr int kLatenessShift = 5;
constexpr int kLongestNoise = 16;

} // namespace

// The three top bits: on time mostly, else up to a second, five seconds or
// twenty-five seconds late - around every time limit of the link.
int FuzzedLine::lateness(quint8 directive) {
    switch (directive >> kLatenessShift) {
    case 5:
        return input_.byte() * 4;
    case 6:
        return input_.byte() * 20;
    case 7:
        return input_.byte() * 100;
    default:
        return 0;
    }
}

QList<sim::Emission> FuzzedLine::carry(sim::Emission reply) {
    if (input_.exhausted())
        return {};
    const quint8 directive = input_.byte();
    QByteArray& bytes = reply.bytes;
    const auto somewhere = [&] { return bytes.isEmpty() ? 0 : input_.byte() % bytes.size(); };
    switch (directive & kFaultBits) {
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
    reply.delayMs += lateness(directive);
    return {reply};
}

} // namespace korven::fuzz
