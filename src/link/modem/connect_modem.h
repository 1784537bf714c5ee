#pragma once

#include "link/conversation.h"
#include "link/modem/modem_reporter.h"
#include "link/modem/modem_settings.h"
#include "link/modem/modem_state.h"
#include "link/port_settings.h"

#include <QString>

namespace korven {

// What a call needs: the port, the modem settings, and the screen whose
// status label shows the logger's wake-up.
struct ModemCall {
    PortSettings port;
    ModemSettings modem;
    QString callerScreen;
};

enum class ModemCallEnd {
    Connected,
    Declined,           // the user did not want the number dialled
    PortFailed,         // the port would not open
    ModemSilent,        // the local modem did not answer
    RemoteNotReady,     // no "CONNECT" within 70 seconds
    LoggerNotConnected, // the call came up, the logger did not wake
    Stopped,            // the user stopped the call, or the conversation was asked to stop
};

// Dials the remote modem and wakes the logger through the connection, with
// the wait screen up meanwhile: "ATE0", the initialisation strings that are
// not empty, "atdt" or "atdp" and the number, up to 70 seconds for
// "CONNECT", a CR, and the wake-up. Then the connection counts as up and the
// port is closed; the modems keep the line.
//
// A call that does not come up, or a logger that does not wake, is told and
// the user is asked whether to hang up; No leaves the connection counted as
// up. A silent local modem is told and ends it. The wait screen's button
// (`state.stop`) hangs up and ends it.
ModemCallEnd connectModem(Conversation& conversation, const ModemCall& call, ModemState& state,
                          ModemReporter& reporter);

} // namespace korven
