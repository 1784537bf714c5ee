#include "link/modem/hang_up_modem.h"

#include "link/modem/modem_texts.h"
#include "link/modem/send_modem_init.h"
#include "link/protocol/commands.h"
#include "link/protocol/modem_commands.h"
#include "link/protocol/modem_replies.h"

namespace korven {

namespace {

// The escape's "OK" comes a guard second after the "+++".
constexpr int kEscapeLimit = 7;

HangUpEnd endHangUp(Conversation& conversation, ModemReporter& reporter, HangUpEnd end) {
    if (end == HangUpEnd::Done) {
        reporter.tell(ModemNotice::HungUp, modem_texts::hungUp);
        reporter.lineHeld(false);
        conversation.closePort();
        reporter.busy(false);
        return end;
    }
    conversation.closePort();
    reporter.lineHeld(false);
    reporter.busy(false);
    if (end == HangUpEnd::NoEscape)
        reporter.tell(ModemNotice::HangUpFailed, modem_texts::hangUpFailed);
    else if (end == HangUpEnd::ModemSilent)
        reporter.tell(ModemNotice::ModemSilent, modem_texts::modemSilent);
    return end;
}

// "+++" and the modem's "OK", which may come in pieces.
bool escapeFromCall(Conversation& conversation) {
    conversation.resetSeconds();
    conversation.receive();
    conversation.send(modem_command::escape);
    QByteArray heard;
    for (;;) {
        heard += conversation.receive();
        if (answersOk(heard))
            return true;
        if (conversation.ticks().secondTicks() > kEscapeLimit || !conversation.pump())
            return false;
    }
}

} // namespace

HangUpEnd hangUpModem(Conversation& conversation, ModemState& state, ModemReporter& reporter,
                      const ResumeBeforeHangUp& resume) {
    // The resume tells the user itself whether it worked.
    if (state.line == ModemState::Line::CallHeld && resume)
        resume(conversation);
    reporter.busy(true);
    state.connected = false;
    // The port is opened whoever asks: after a failed call it was closed.
    if (const PortError error = conversation.openPort()) {
        reporter.tell(ModemNotice::PortError, modem_texts::portError(error));
        return endHangUp(conversation, reporter, HangUpEnd::PortFailed);
    }
    conversation.port().setReadLength(0);
    // The guard time: the modem takes "+++" only after a second of silence.
    if (!conversation.pause(1))
        return endHangUp(conversation, reporter, HangUpEnd::Stopped);

    if (state.line == ModemState::Line::CallHeld) {
        if (!escapeFromCall(conversation))
            return endHangUp(conversation, reporter,
                             conversation.stopped() ? HangUpEnd::Stopped : HangUpEnd::NoEscape);
    } else {
        // No call came up: "+++" would never be answered. Any character ends
        // a dial still going on; an empty line is nothing in command mode.
        conversation.sendCommand(command::clearLine);
        if (!conversation.pause(1))
            return endHangUp(conversation, reporter, HangUpEnd::Stopped);
        // The call may have come up just as it was given up (a stop a moment
        // before "CONNECT"): then it is held, and left like any held call.
        if (conversation.receive().contains("CONNECT")) {
            state.line = ModemState::Line::CallHeld;
            if (!conversation.pause(1))
                return endHangUp(conversation, reporter, HangUpEnd::Stopped);
            if (!escapeFromCall(conversation))
                return endHangUp(conversation, reporter,
                                 conversation.stopped() ? HangUpEnd::Stopped : HangUpEnd::NoEscape);
        }
    }

    conversation.sendCommand(modem_command::hangUp);
    conversation.resetSeconds();
    const LinkStatus answer = conversation.awaitInput(kHangUpAnswerLength, kModemAnswerLimit);
    if (answer == LinkStatus::Stopped)
        return endHangUp(conversation, reporter, HangUpEnd::Stopped);
    if (answer != LinkStatus::Ok)
        return endHangUp(conversation, reporter, HangUpEnd::ModemSilent);
    conversation.receive();
    state.line = ModemState::Line::Idle;
    return endHangUp(conversation, reporter, HangUpEnd::Done);
}

} // namespace korven
