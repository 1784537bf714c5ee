#pragma once

#include "link/modem/modem_reporter.h"

#include <QString>

namespace korven {

struct Session;

// The modem procedures' reports as the program shows them: messages and
// questions through the session's prompter, the hourglass, and the
// connection on the "Attivazione Modem" item and the modem status bar. It
// has no wait screen; the screens add theirs.
class PromptingModemReporter : public ModemReporter {
public:
    explicit PromptingModemReporter(Session& session) : session_(session) {}

    void openWait() override {}
    void waitStatus(const QString&) override {}
    void offerStop(bool) override {}
    void closeWait() override {}
    void busy(bool busy) override;

    bool ask(ModemQuestion question, const QString& text) override;
    void tell(ModemNotice notice, const QString& text) override;
    void lineHeld(bool held) override;

protected:
    Session& session() { return session_; }

private:
    Session& session_;
};

// "Attivazione Modem": with the connection up, asks whether to end it and
// hangs up; otherwise reads the modem and port settings of the current
// system set-up and dials, the logger's wake-up shown on `callerScreen`'s
// label. Does nothing while another conversation holds the line.
void switchModemLine(Session& session, ModemReporter& reporter, const QString& callerScreen);

// Before the program ends: hangs the modem up when a connection is up, or a
// call may be, so that no line is left held.
void hangUpBeforeExit(Session& session);

} // namespace korven
