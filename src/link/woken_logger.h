#pragma once

#include "link/logger_link.h"
#include "link/port_settings.h"
#include "system_setup/installation.h"

namespace korven {

// A logger a job wakes and, once the job is done, puts back into scanning:
// the two ends every job that talks to a logger between its steps shares.
class WokenLogger {
public:
    explicit WokenLogger(LoggerLink& link) : link_(link) {}

    // Gives the port `settings` and wakes the logger; the port is closed
    // again when that fails. Busy while another conversation holds the line;
    // PortFailed (see portError()) when the port will not open.
    LinkStatus wake(const PortSettings& settings);
    PortError portError() const { return portError_; }
    bool woken() const { return woken_; }
    // The logger stopped answering: there is nothing to put back.
    void forget() { woken_ = false; }

    // Puts the logger back into scanning as the installation's logger set-up
    // says, once, when it was woken. Busy while another conversation holds
    // the line (nothing is done then).
    LinkStatus resume(Installation& installation);

private:
    LoggerLink& link_;
    PortError portError_;
    bool woken_ = false;
};

} // namespace korven
