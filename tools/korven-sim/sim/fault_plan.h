#pragma once

#include <optional>

namespace korven::sim {

// Ways the simulated logger can misbehave on the wire, to exercise the
// program's time limits and reply checks. Everything is off by default.
struct FaultPlan {
    bool silent = false;                // never answers anything
    bool neverWakes = false;            // sleeps through every wake-up burst
    int slowMs = 0;                     // every emission delayed this much more
    std::optional<char> handshakeReply; // sent instead of "!"
    int dropEveryNth = 0;               // drop every Nth byte sent ("!" included); 0 = off
    int corruptEveryNth = 0;            // replace every Nth byte sent by 'x'; 0 = off
    int corruptEveryNthReply = 0;       // one byte of every Nth command reply becomes 'x'; 0 = off
    int cutRepliesTo = -1;              // longer replies cut to this many bytes; -1 = off
    int silentAfterCommands = -1;       // silent once this many commands ran; -1 = off
};

} // namespace korven::sim
