#include "session/modem_line.h"

#include "link/modem/connect_modem.h"
#include "link/modem/hang_up_modem.h"
#include "link/modem/modem_texts.h"
#include "link/resume_scanning.h"
#include "session/identity.h"
#include "session/session.h"

namespace korven {

void PromptingModemReporter::busy(bool busy) {
    session_.linkReporter.busy(busy);
}

bool PromptingModemReporter::ask(ModemQuestion, const QString& text) {
    return session_.prompter.askYesNo(text, MessageIcon::None);
}

void PromptingModemReporter::tell(ModemNotice notice, const QString& text) {
    MessageIcon icon = MessageIcon::None;
    switch (notice) {
    case ModemNotice::ModemSilent:
    case ModemNotice::RemoteNotReady:
    case ModemNotice::LoggerNotConnected:
        icon = MessageIcon::Exclamation;
        break;
    case ModemNotice::HelpOnLine:
        icon = MessageIcon::Critical;
        break;
    case ModemNotice::PortError:
    case ModemNotice::HungUp:
    case ModemNotice::HangUpFailed:
        break;
    }
    session_.prompter.message(text, icon);
}

void PromptingModemReporter::lineHeld(bool held) {
    session_.modemMenu.setCaption(held ? modem_texts::connectedCaption
                                       : modem_texts::disconnectedCaption);
    session_.status.setText(StatusTexts::Modem, held ? modem_texts::connectionUp : QString());
}

namespace {

// The call woke the logger at the far end; unless a screen has put it back
// into scanning since, it is resumed before the line goes, or it would stop
// recording until someone calls again.
ResumeBeforeHangUp resumeLeftStopped(Session& session) {
    if (!session.link.state().loggerStopped)
        return {};
    return [&session](Conversation& conversation) {
        return resumeScanning(conversation, session.installation.loggerSetupPath,
                              session.installation.loggerRecords.par);
    };
}

} // namespace

void switchModemLine(Session& session, ModemReporter& reporter, const QString& callerScreen) {
    auto conversation = session.link.startConversation();
    if (!conversation)
        return;
    ModemState& state = session.modem;
    state.stop = false;
    if (state.connected) {
        if (reporter.ask(ModemQuestion::Disconnect, modem_texts::disconnect))
            hangUpModem(*conversation, state, reporter, resumeLeftStopped(session));
        return;
    }
    if (const FileStatus read = loadIdentity(session); !read) {
        session.prompter.message(modem_texts::errorOccurred(read.error), MessageIcon::None);
        return;
    }
    const ModemCall call{session.portSettings,
                         modemSettingsOf(session.installation.systemRecords.identity),
                         callerScreen};
    connectModem(*conversation, call, state, reporter);
}

void hangUpBeforeExit(Session& session) {
    ModemState& state = session.modem;
    if (!state.connected && state.line == ModemState::Line::Idle)
        return;
    auto conversation = session.link.startConversation();
    if (!conversation)
        return;
    state.stop = false;
    PromptingModemReporter reporter(session);
    hangUpModem(*conversation, state, reporter, resumeLeftStopped(session));
}

} // namespace korven
