#pragma once

#include "link/protocol/parsed.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer's entry point, a reader over its input, and the check that
// aborts a run, as a crash, when a property does not hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace korven::fuzz {

// The fuzzer's bytes, taken from the front. Past the end every byte reads as
// 0 and every run of bytes is empty, so a target never needs to count.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    bool exhausted() const { return at_ >= size_; }
    quint8 byte() { return exhausted() ? 0 : static_cast<quint8>(data_[at_++]); }
    // Two bytes, low first.
    quint16 word() {
        const quint16 low = byte();
        return static_cast<quint16>(low | byte() << 8);
    }
    // At most `count` bytes.
    QByteArray bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size_ - at_);
        const QByteArray result(data_ + at_, static_cast<qsizetype>(taken));
        at_ += taken;
        return result;
    }

private:
    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

inline QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)};
}

inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "Property does not hold: %s\n", property);
    std::abort();
}

// A reply of fixed length, parsed from the fuzzer's bytes: it needs more
// exactly while it is shorter than `length`, whatever its characters.
template <typename Parser>
auto parseWholeReply(const std::uint8_t* data, std::size_t size, Parser parse, qsizetype length) {
    const QByteArrayView received = bytesOf(data, size);
    const auto parsed = parse(received);
    require((received.size() < length) == (parsed.state == ParseState::NeedMore),
            "the reply needs more until it is whole");
    return parsed;
}

} // namespace korven::fuzz
