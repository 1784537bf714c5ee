#include "link/modem/unattended_modem.h"

#include "link/logger_link.h"
#include "link/modem/connect_modem.h"
#include "link/modem/dialled_port.h"
#include "link/modem/hang_up_modem.h"
#include "link/resume_scanning.h"
#include "system_setup/installation.h"

namespace korven {

namespace {

// Not one of the serial control's numbers: the port itself may be fine.
constexpr int kNoCall = 1;

QString callFailure(ModemCallEnd end) {
    switch (end) {
    case ModemCallEnd::PortFailed:
        return QStringLiteral("the port of the modem cannot be opened");
    case ModemCallEnd::ModemSilent:
        return QStringLiteral("the modem does not answer");
    case ModemCallEnd::RemoteNotReady:
        return QStringLiteral("the call did not come up");
    case ModemCallEnd::LoggerNotConnected:
        return QStringLiteral("the logger did not answer through the call");
    case ModemCallEnd::Stopped:
        return QStringLiteral("the call was stopped");
    case ModemCallEnd::Declined:
    case ModemCallEnd::Connected:
        break;
    }
    return QStringLiteral("no call was made");
}

// The call's settings, or what is wrong with the installation.
std::optional<ModemCall> readCall(const QString& programFolder, Installation& installation,
                                  const UnattendedOutput& output) {
    FileStatus status = readInstallationSettings(programFolder, installation);
    Record& identity = installation.systemRecords.identity;
    PortSettings port;
    if (status)
        status = readPortSettings(installation, port);
    if (!status) {
        output.tellProblem(status.error);
        return std::nullopt;
    }
    const QString identityPath = identityFilePath(installation.systemFilePath);
    if (!isModemActivated(identity)) {
        output.tellProblem(
            QStringLiteral("the modem is not activated in %1 (Modem Setup)").arg(identityPath));
        return std::nullopt;
    }
    ModemCall call{port, modemSettingsOf(identity), {}};
    if (call.modem.dialledNumber().isEmpty()) {
        output.tellProblem(
            QStringLiteral("%1 holds no telephone number for the modem").arg(identityPath));
        return std::nullopt;
    }
    return call;
}

// The link's reports passed on, noting whether the line was put back into
// scanning: the call woke the logger, and the job may end without resuming it.
class ResumeWatch : public LinkReporter {
public:
    explicit ResumeWatch(LinkReporter& reporter) : reporter_(reporter) {}

    bool resumed() const { return resumed_; }

    void progress(const QString& callerScreen, const QString& text) override {
        reporter_.progress(callerScreen, text);
    }
    void busy(bool busy) override { reporter_.busy(busy); }
    void failure(LinkFailure failure) override { reporter_.failure(failure); }
    void scanningResumed(int loggerNumber, ResumedLine line) override {
        resumed_ = true;
        reporter_.scanningResumed(loggerNumber, line);
    }

private:
    LinkReporter& reporter_;
    bool resumed_ = false;
};

} // namespace

UnattendedEnd
runThroughModem(const QString& programFolder, SerialPort& port, Ticks& ticks,
                LinkReporter& linkReporter, ModemReporter& modemReporter,
                const UnattendedOutput& output,
                const std::function<UnattendedEnd(SerialPort& line, LinkReporter& reporter)>& job) {
    Installation installation;
    const std::optional<ModemCall> call = readCall(programFolder, installation, output);
    if (!call)
        return UnattendedEnd::BadSetup;

    ResumeWatch watch(linkReporter);
    LoggerLink modemLink(port, ticks, watch);
    ModemState state;
    DialledPort line(port, [&]() -> PortError {
        auto conversation = modemLink.startConversation();
        const ModemCallEnd end = connectModem(*conversation, *call, state, modemReporter);
        if (end == ModemCallEnd::Connected)
            return {};
        return {kNoCall, callFailure(end)};
    });

    UnattendedEnd end = job(line, watch);
    if (state.line == ModemState::Line::Idle)
        return end;

    // A line left held costs money, and a logger left stopped at its far end
    // records nothing until someone calls again: both are seen through.
    ticks.holdStops(true);
    state.stop = false;
    auto conversation = modemLink.startConversation();
    ResumeBeforeHangUp resume;
    if (modemLink.state().loggerStopped && !watch.resumed())
        resume = [&](Conversation& call) {
            const LinkStatus resumed =
                resumeScanning(call, installation.loggerSetupPath, installation.loggerRecords.par);
            if (resumed != LinkStatus::Ok) {
                output.tellProblem(QStringLiteral("the logger is not scanning again"));
                if (end == UnattendedEnd::Done)
                    end = UnattendedEnd::NotRestarted;
            }
            return resumed;
        };
    const HangUpEnd hungUp = hangUpModem(*conversation, state, modemReporter, resume);
    ticks.holdStops(false);
    if (hungUp != HangUpEnd::Done) {
        output.tellProblem(QStringLiteral("the modem may still hold the line"));
        if (end == UnattendedEnd::Done)
            end = UnattendedEnd::LinkFailed;
    }
    return end;
}

} // namespace korven
