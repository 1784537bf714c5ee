#pragma once

#include "link/conversation.h"
#include "link/link_reporter.h"
#include "link/link_state.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <optional>

namespace korven {

// The one link to the loggers: the port, the time base, where the link
// reports, and the link state every screen shares.
class LoggerLink {
public:
    LoggerLink(SerialPort& port, Ticks& ticks, LinkReporter& reporter)
        : port_(port), ticks_(ticks), reporter_(reporter) {}

    LinkState& state() { return state_; }
    const LinkState& state() const { return state_; }
    SerialPort& port() { return port_; }
    LinkReporter& reporter() { return reporter_; }

    // Empty while another conversation runs: the second one is refused.
    std::optional<Conversation> startConversation();
    bool busy() const { return busy_; }
    // Ends the waits of the running conversation; for the screen that runs it
    // and is being closed. Does nothing when no conversation runs.
    void requestStop();

private:
    friend class Conversation;

    SerialPort& port_;
    Ticks& ticks_;
    LinkReporter& reporter_;
    LinkState state_;
    bool busy_ = false;
    bool stopRequested_ = false;
};

} // namespace korven
