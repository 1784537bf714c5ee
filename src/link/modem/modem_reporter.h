#pragma once

#include <QString>

namespace korven {

// The questions the modem procedures ask; every one is answered Yes or No.
enum class ModemQuestion {
    Dial,               // "Il modem comporrà il numero ..."
    Disconnect,         // the connection is up and the menu item was chosen again
    HangUpAfterFailure, // "Vuoi disattivare il modem? "
};

// What the modem procedures tell.
enum class ModemNotice {
    ModemSilent,        // the local modem does not answer
    RemoteNotReady,     // no call came up
    LoggerNotConnected, // the call came up, the logger did not wake
    HelpOnLine,
    PortError, // the port would not open
    HungUp,
    HangUpFailed, // the modem did not leave the call
};

// Where the modem procedures report. The screens show the wait screen
// ("PREGO ATTENDERE") while the modem is dialled, message boxes and Yes/No
// questions, and the connection on the menu item and the status bar; korvenctl
// writes lines and answers every question Yes. The texts are the procedures'
// own; the kinds say how to show them.
class ModemReporter {
public:
    virtual ~ModemReporter() = default;

    // The wait screen: opened, its status text, the call wait (its button that
    // stops the call is offered, and the pointer is normal meanwhile), closed.
    virtual void openWait() = 0;
    virtual void waitStatus(const QString& text) = 0;
    virtual void offerStop(bool offered) = 0;
    virtual void closeWait() = 0;
    // The hourglass while the modem is talked to.
    virtual void busy(bool busy) = 0;

    virtual bool ask(ModemQuestion question, const QString& text) = 0;
    virtual void tell(ModemNotice notice, const QString& text) = 0;
    // The connection is now considered up, or down.
    virtual void lineHeld(bool held) = 0;
};

} // namespace korven
