#pragma once

namespace korven::sim {

// What happens at the far end when the modem dials.
enum class CallOutcome {
    Connect,   // the remote modem answers: "CONNECT 9600"
    Busy,      // "BUSY"
    NoAnswer,  // nobody answers: silence well past the program's 70 s, then "NO CARRIER"
    NoCarrier, // the remote modem answers but no carrier comes up: "NO CARRIER"
};

struct ModemConfig {
    bool switchedOn = true; // a modem switched off takes everything and says nothing
    CallOutcome call = CallOutcome::Connect;
    int callMs = 3000;   // from the dial command to CONNECT, BUSY or NO CARRIER
    int lineBaud = 9600; // the speed CONNECT reports
    // Faults of the hang-up: "+++" never leaves the call, ATH0 is never answered
    // (the call stays up).
    bool ignoresEscape = false;
    bool silentHangUp = false;
};

} // namespace korven::sim
