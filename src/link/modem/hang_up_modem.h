#pragma once

#include "link/conversation.h"
#include "link/modem/modem_reporter.h"
#include "link/modem/modem_state.h"

#include <functional>

namespace korven {

// Puts the logger at the far end of the call back into scanning before the
// call ends; empty when it was not left stopped.
using ResumeBeforeHangUp = std::function<LinkStatus(Conversation&)>;

enum class HangUpEnd {
    Done,        // the modem answered "ATH0": the line is free
    NoEscape,    // "+++" brought no "OK": the modem may still hold the call
    ModemSilent, // "ATH0" was not answered
    PortFailed,  // the port would not open
    Stopped,     // the conversation was asked to stop
};

// Hangs up the local modem. With a call held: a guard second of silence,
// "+++", the modem's "OK" (up to about seven seconds), then "ATH0" and its
// answer. When no call came up, the modem is in command mode or still
// dialling: a CR ends a dial, and "ATH0" follows. With a call held and a
// logger left stopped through it, `resume` runs first: once the call is gone
// nobody could put that logger back into scanning. The connection counts as
// down from the start; the user is told how it ended and the menu item and
// status bar show the line free, whatever the outcome. Opens the port when
// it is closed, and closes it at the end.
HangUpEnd hangUpModem(Conversation& conversation, ModemState& state, ModemReporter& reporter,
                      const ResumeBeforeHangUp& resume = {});

} // namespace korven
