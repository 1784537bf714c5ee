#include "sim/hayes_modem.h"

#include <algorithm>
#include <utility>

namespace korven::sim {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kBackspace = '\b';
constexpr char kEscapeCharacter = '+';
constexpr int kEscapeLength = 3;
// A command line longer than this is cut; real modems hold about 40.
constexpr int kLongestLine = 64;
// Results follow the command line after a short pause.
constexpr int kResultDelayMs = 10;
// A call nobody answers: silent well past the program's 70 s, then given up.
constexpr int kNoAnswerMs = 90'000;
// S12, the escape guard time, in fiftieths of a second: one second.
constexpr int kGuardRegister = 12;
constexpr int kGuardUnitMs = 20;

// The registers a Hayes modem starts with, for "Sn?"; others read 0.
const QMap<int, int> kRegisterDefaults{{2, 43}, {3, 13}, {4, 10},  {5, 8},  {6, 2},
                                       {7, 50}, {8, 2},  {10, 14}, {12, 50}};

} // namespace

HayesModem::HayesModem(ModemConfig config, LoggerBrain& logger, std::function<qint64()> nowMs)
    : config_(config), logger_(logger), nowMs_(std::move(nowMs)) {}

QList<Emission> HayesModem::receive(const QByteArray& bytes) {
    QList<Emission> out;
    if (!config_.switchedOn)
        return out;
    for (char byte : bytes) {
        switch (mode_) {
        case Mode::Command:
            takeCommandByte(byte, out);
            break;
        case Mode::Dialling:
            // Any character from the computer gives the call up.
            mode_ = Mode::Command;
            callDueMs_.reset();
            result("NO CARRIER", kResultDelayMs, out);
            report("modem call given up: NO CARRIER");
            break;
        case Mode::Online:
            takeOnlineByte(byte, out);
            break;
        }
    }
    return out;
}

std::optional<qint64> HayesModem::nextDueMs() const {
    if (callDueMs_ && escapeDueMs_)
        return std::min(*callDueMs_, *escapeDueMs_);
    return callDueMs_ ? callDueMs_ : escapeDueMs_;
}

QList<Emission> HayesModem::takeDue() {
    QList<Emission> out;
    const qint64 now = nowMs_();
    if (callDueMs_ && now >= *callDueMs_) {
        callDueMs_.reset();
        QByteArray word = "NO CARRIER";
        mode_ = Mode::Command;
        if (config_.call == CallOutcome::Connect) {
            word = "CONNECT " + QByteArray::number(config_.lineBaud);
            mode_ = Mode::Online;
            call_ = true;
            lastInputMs_ = now;
            pluses_ = 0;
        } else if (config_.call == CallOutcome::Busy) {
            word = "BUSY";
        }
        result(word, 0, out);
        report("modem " + word);
    }
    if (escapeDueMs_ && now >= *escapeDueMs_) {
        escapeDueMs_.reset();
        pluses_ = 0;
        mode_ = Mode::Command;
        result("OK", 0, out);
        report("modem escape: command mode, call held, OK");
    }
    return out;
}

void HayesModem::takeCommandByte(char byte, QList<Emission>& out) {
    if (echo_)
        out.append({QByteArray(1, byte), 0});
    if (byte == kCarriageReturn)
        runLine(std::exchange(line_, {}), out);
    else if (byte == kBackspace)
        line_.chop(1);
    else if (byte != kLineFeed && line_.size() < kLongestLine)
        line_.append(byte);
}

// "+++" counts only with a guard time of silence before it, its three
// characters close together, and silence after it (checked in takeDue). The
// pluses still reach the logger, as they would through real modems.
void HayesModem::takeOnlineByte(char byte, QList<Emission>& out) {
    const qint64 now = nowMs_();
    const qint64 quiet = now - lastInputMs_;
    lastInputMs_ = now;
    const bool continues = pluses_ == 0 ? quiet >= guardMs() : quiet < guardMs();
    if (byte == kEscapeCharacter && pluses_ < kEscapeLength && continues) {
        if (++pluses_ == kEscapeLength && !config_.ignoresEscape)
            escapeDueMs_ = now + guardMs();
    } else {
        pluses_ = 0;
        escapeDueMs_.reset();
    }
    out.append(logger_.receive(QByteArray(1, byte)));
}

// Anything before "AT" is line noise; a line without it is no command.
void HayesModem::runLine(const QByteArray& line, QList<Emission>& out) {
    const qsizetype at = line.toUpper().indexOf("AT");
    if (at < 0)
        return;
    const QByteArray typed = line.mid(at);
    commandLines_.append(typed);
    const auto commands = parseAtCommands(typed.mid(2));
    const QByteArray word = commands ? runCommands(*commands, out) : QByteArray("ERROR");
    const QByteArray outcome = isDialling()     ? "dialling " + printable(dialled_)
                               : word.isEmpty() ? "no answer"
                                                : word;
    report("modem command " + printable(typed) + ": " + outcome);
    if (!word.isEmpty())
        result(word, kResultDelayMs, out);
}

QByteArray HayesModem::runCommands(const QList<AtCommand>& commands, QList<Emission>& out) {
    for (const AtCommand& command : commands) {
        switch (command.kind) {
        case AtCommand::Kind::Setting:
            break;
        case AtCommand::Kind::Echo:
            echo_ = command.number == 1;
            break;
        case AtCommand::Kind::Reset:
            echo_ = true;
            registers_.clear();
            [[fallthrough]];
        case AtCommand::Kind::HangUp:
            if (config_.silentHangUp)
                return {};
            if (call_)
                report("modem hung up");
            call_ = false;
            break;
        case AtCommand::Kind::SetRegister:
            registers_[command.number] = command.value;
            break;
        case AtCommand::Kind::ShowRegister: {
            const int value =
                registers_.value(command.number, kRegisterDefaults.value(command.number));
            out.append({"\r\n" + QByteArray::number(value).rightJustified(3, '0') + "\r\n",
                        kResultDelayMs});
            break;
        }
        case AtCommand::Kind::Online:
            if (!call_)
                return "NO CARRIER";
            mode_ = Mode::Online;
            lastInputMs_ = nowMs_();
            pluses_ = 0;
            return "CONNECT " + QByteArray::number(config_.lineBaud);
        case AtCommand::Kind::Dial:
            if (call_)
                return "ERROR";
            dial(command);
            return {};
        }
    }
    return "OK";
}

void HayesModem::dial(const AtCommand& command) {
    mode_ = Mode::Dialling;
    dialled_ = command.dialMethod + command.dialNumber;
    callDueMs_ = nowMs_() + (config_.call == CallOutcome::NoAnswer ? kNoAnswerMs : config_.callMs);
}

void HayesModem::result(const QByteArray& word, int delayMs, QList<Emission>& out) const {
    out.append({"\r\n" + word + "\r\n", delayMs});
}

int HayesModem::guardMs() const {
    return registers_.value(kGuardRegister, kRegisterDefaults.value(kGuardRegister)) * kGuardUnitMs;
}

void HayesModem::report(const QByteArray& text) const {
    if (sink_)
        sink_(EventTopic::Conversation, text);
}

} // namespace korven::sim
