#pragma once

#include <utility>

namespace korven {

// What a reply parser makes of the characters received so far: not enough
// yet, something the logger never sends, or the value.
enum class ParseState { NeedMore, Bad, Done };

template <typename T> struct Parsed {
    ParseState state = ParseState::NeedMore;
    T value{};

    static Parsed needMore() { return {}; }
    static Parsed bad() { return {ParseState::Bad, {}}; }
    static Parsed done(T value) { return {ParseState::Done, std::move(value)}; }

    bool isDone() const { return state == ParseState::Done; }
};

} // namespace korven
