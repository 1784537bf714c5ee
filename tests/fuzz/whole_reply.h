#pragma once

#include "fuzz_input.h"

#include "link/protocol/parsed.h"

namespace korven::fuzz {

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
