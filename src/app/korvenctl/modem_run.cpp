#include "korvenctl/modem_run.h"

#include "korvenctl/stop_signals.h"
#include "link/modem/unattended_modem.h"

namespace korven {

namespace {

// The modem's reports as lines on standard error; every question is answered
// Yes (dial, and hang up after a failed call).
class ConsoleModemReporter : public ModemReporter {
public:
    explicit ConsoleModemReporter(Console& console) : console_(console) {}

    bool dialled() const { return dialled_; }
    bool hungUp() const { return hungUp_; }

    void openWait() override {}
    void waitStatus(const QString&) override {}
    void offerStop(bool offered) override {
        dialled_ = dialled_ || offered;
        if (offered)
            console_.problem(QStringLiteral("dialled; waiting up to 70 seconds for the call"));
    }
    void closeWait() override {}
    void busy(bool) override {}

    bool ask(ModemQuestion, const QString&) override { return true; }
    void tell(ModemNotice notice, const QString& text) override {
        switch (notice) {
        case ModemNotice::HelpOnLine:
            return;
        case ModemNotice::HungUp:
            hungUp_ = true;
            console_.problem(QStringLiteral("modem hung up"));
            return;
        default:
            console_.problem(text);
            return;
        }
    }
    void lineHeld(bool held) override {
        if (held)
            console_.problem(QStringLiteral("connected through the modem"));
    }

private:
    Console& console_;
    bool dialled_ = false;
    bool hungUp_ = false;
};

// The last line after a stop signal: what became of the call.
QString stoppedText(const ConsoleModemReporter& modem) {
    if (modem.hungUp())
        return QStringLiteral("stopped by a signal; the modem hung up");
    if (modem.dialled())
        return QStringLiteral("stopped by a signal; the modem may still hold the line");
    return QStringLiteral("stopped by a signal before the modem dialled");
}

} // namespace

UnattendedEnd runCommandThroughModem(const GlobalOptions& options, const KorvenctlCommand& command,
                                     SerialPort& port, SignalledTicks& ticks, Console& console,
                                     LinkReporter& reporter) {
    ConsoleModemReporter modemReporter(console);
    UnattendedOutput output;
    output.problem = [&console](const QString& text) { console.problem(text); };
    output.result = [&console](const QString& text) { console.result(text); };
    const UnattendedEnd end =
        runThroughModem(options.programFolder, port, ticks, reporter, modemReporter, output,
                        [&](SerialPort& line, LinkReporter& lineReporter) {
                            return command.run({options.programFolder, options.commandArguments,
                                                console, line, ticks, lineReporter});
                        });
    if (StopSignals::arrived())
        console.problem(stoppedText(modemReporter));
    return end;
}

} // namespace korven
