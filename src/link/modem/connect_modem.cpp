#include "link/modem/connect_modem.h"

#include "link/modem/hang_up_modem.h"
#include "link/modem/modem_texts.h"
#include "link/modem/send_modem_init.h"
#include "link/protocol/commands.h"
#include "link/protocol/modem_commands.h"
#include "link/protocol/modem_replies.h"
#include "link/wake_logger.h"

#include <optional>

namespace korven {

namespace {

// Nobody answering within this many second ticks: the remote is not ready.
constexpr int kCallLimit = 70;
constexpr int kSettingUpSteps = ModemSettings::kInitStrings;

class Call {
public:
    Call(Conversation& conversation, const ModemCall& call, ModemState& state,
         ModemReporter& reporter)
        : conversation_(conversation), call_(call), state_(state), reporter_(reporter) {}

    ModemCallEnd run();

private:
    // The steps before the end: nothing while the call goes on.
    std::optional<ModemCallEnd> setUpModem();
    std::optional<ModemCallEnd> dial();
    ModemCallEnd wakeThroughCall();
    ModemCallEnd fail(ModemCallEnd why);
    ModemCallEnd portFailed(const PortError& error);
    ModemCallEnd stopped();

    Conversation& conversation_;
    const ModemCall& call_;
    ModemState& state_;
    ModemReporter& reporter_;
    bool waitOpen_ = false;
};

ModemCallEnd Call::run() {
    state_.stop = false;
    state_.connected = false;
    configurePort(conversation_.port(), call_.port);
    if (const PortError error = conversation_.openPort())
        return portFailed(error);
    if (!reporter_.ask(ModemQuestion::Dial, modem_texts::dial(call_.modem.announcedNumber()))) {
        conversation_.closePort();
        return ModemCallEnd::Declined;
    }

    reporter_.openWait();
    waitOpen_ = true;
    reporter_.busy(true);
    reporter_.waitStatus(modem_texts::talking);
    if (const PortError error = conversation_.openPort())
        return portFailed(error);
    if (!conversation_.pause(0))
        return stopped();
    if (const auto end = setUpModem())
        return *end;
    if (const auto end = dial())
        return *end;
    return wakeThroughCall();
}

// Echo off, then the initialisation strings.
std::optional<ModemCallEnd> Call::setUpModem() {
    conversation_.sendCommand(modem_command::echoOff);
    const LinkStatus echoOff = conversation_.awaitInput(kModemAnswerLength, kModemAnswerLimit);
    if (echoOff != LinkStatus::Ok)
        return echoOff == LinkStatus::Stopped ? stopped() : fail(ModemCallEnd::ModemSilent);
    conversation_.receive();

    for (int n = 0; n < kSettingUpSteps; ++n) {
        reporter_.waitStatus(modem_texts::talkingStep(n));
        const QByteArray init = call_.modem.initString(n);
        if (init.isEmpty())
            continue;
        const LinkStatus answered = sendModemInit(conversation_, init);
        if (answered != LinkStatus::Ok)
            return answered == LinkStatus::Stopped ? stopped() : fail(ModemCallEnd::ModemSilent);
    }
    return std::nullopt;
}

// The number, and the wait for the call with the seconds counted on the wait
// screen and its button offered.
std::optional<ModemCallEnd> Call::dial() {
    reporter_.waitStatus(modem_texts::talkingStep(kSettingUpSteps));
    if (!conversation_.pause(2))
        return stopped();
    // What is left of the modem's earlier answers would count as the call's.
    conversation_.receive();
    conversation_.sendCommand(
        modem_command::dial(call_.modem.dialledNumber(), call_.modem.pulses()));
    state_.line = ModemState::Line::Dialling;
    conversation_.resetSeconds();

    Ticks& ticks = conversation_.ticks();
    reporter_.offerStop(true);
    reporter_.busy(false);
    for (;;) {
        // The button's "Disconnessione in corso" stays up while the modem
        // hangs up: the seconds are not written over it.
        if (state_.stop) {
            reporter_.offerStop(false);
            hangUpModem(conversation_, state_, reporter_);
            reporter_.closeWait();
            return ModemCallEnd::Stopped;
        }
        reporter_.waitStatus(modem_texts::calling(ticks.secondTicks()));
        // What has arrived counts before the limit is looked at.
        if (conversation_.port().inputCount() >= kCallAnswerLength)
            break;
        if (ticks.secondTicks() > kCallLimit)
            return fail(ModemCallEnd::RemoteNotReady);
        if (!conversation_.pump())
            return stopped();
    }

    reporter_.busy(true);
    reporter_.offerStop(false);
    const bool callUp = answersConnect(conversation_.receive());
    if (callUp)
        state_.line = ModemState::Line::CallHeld;
    conversation_.closePort();
    if (const PortError error = conversation_.openPort())
        return portFailed(error);
    conversation_.resetSeconds();
    if (!callUp)
        return fail(ModemCallEnd::RemoteNotReady);
    return std::nullopt;
}

// A CR through the call, then the logger's wake-up; the connection is up.
ModemCallEnd Call::wakeThroughCall() {
    if (!conversation_.awaitSeconds(1))
        return stopped();
    conversation_.resetSeconds();
    conversation_.sendCommand(command::clearLine);
    if (!conversation_.awaitSeconds(4))
        return stopped();
    conversation_.receive();

    LinkState& link = conversation_.state();
    link.callerScreen = call_.callerScreen;
    const LinkStatus woken = wakeLogger(conversation_);
    link.callerScreen.clear();
    if (woken == LinkStatus::Stopped)
        return stopped();
    // The wake-up has told the user already; the call is up all the same, so
    // the user chooses whether to keep it.
    if (woken != LinkStatus::Ok)
        return fail(ModemCallEnd::LoggerNotConnected);

    if (!conversation_.pause(0))
        return stopped();
    reporter_.closeWait();
    conversation_.closePort();
    state_.connected = true;
    reporter_.lineHeld(true);
    reporter_.busy(false);
    return ModemCallEnd::Connected;
}

ModemCallEnd Call::fail(ModemCallEnd why) {
    reporter_.busy(false);
    if (waitOpen_) {
        conversation_.openPort();
        reporter_.closeWait();
        conversation_.closePort();
    }
    switch (why) {
    case ModemCallEnd::ModemSilent:
        reporter_.tell(ModemNotice::ModemSilent, modem_texts::modemSilent);
        return why;
    case ModemCallEnd::LoggerNotConnected:
        reporter_.tell(ModemNotice::LoggerNotConnected, modem_texts::loggerNotConnected);
        break;
    default:
        reporter_.tell(ModemNotice::RemoteNotReady, modem_texts::remoteNotReady);
        break;
    }
    reporter_.tell(ModemNotice::HelpOnLine, modem_texts::helpOnLine);
    if (reporter_.ask(ModemQuestion::HangUpAfterFailure, modem_texts::hangUpAfterFailure)) {
        state_.stop = true;
        hangUpModem(conversation_, state_, reporter_);
    } else {
        state_.connected = true;
        reporter_.lineHeld(true);
    }
    return why;
}

ModemCallEnd Call::portFailed(const PortError& error) {
    reporter_.busy(false);
    if (waitOpen_)
        reporter_.closeWait();
    reporter_.tell(ModemNotice::PortError, modem_texts::portError(error));
    return ModemCallEnd::PortFailed;
}

// The conversation was asked to stop: a closing program, or korvenctl's
// stop signal. Whoever stopped it hangs up.
ModemCallEnd Call::stopped() {
    reporter_.busy(false);
    if (waitOpen_)
        reporter_.closeWait();
    return ModemCallEnd::Stopped;
}

} // namespace

ModemCallEnd connectModem(Conversation& conversation, const ModemCall& call, ModemState& state,
                          ModemReporter& reporter) {
    return Call(conversation, call, state, reporter).run();
}

} // namespace korven
