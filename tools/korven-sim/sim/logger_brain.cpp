#include "sim/logger_brain.h"

#include "sim/replies.h"
#include "sim/wire_numbers.h"

#include <utility>

namespace korven::sim {

namespace {

constexpr quint8 kWakeByte = 0xFF;
constexpr quint8 kBroadcastAddress = 128;
constexpr char kCarriageReturn = '\r';
constexpr char kHandshake = '!';
// Keeps a stream of garbage after an address byte from growing without end;
// the longest real command ("P") has 35 characters.
constexpr int kLongestCommand = 64;

// The logger's firmware takes a moment before it answers a command; a channel
// reading also waits for its conversion.
constexpr int kReplyDelayMs = 2;
constexpr int kConversionDelayMs = 100;

constexpr int kFourChannels = 4;
constexpr int kHighestScanCode = 7;
constexpr int kHighestSleepCode = 1;

} // namespace

LoggerBrain::LoggerBrain(LoggerConfig config, std::function<QDateTime()> now)
    : config_(std::move(config)),
      now_(now ? std::move(now) : [] { return QDateTime::currentDateTime(); }),
      clockOffsetMs_(config_.clockStart.isValid() ? now_().msecsTo(config_.clockStart) : 0),
      memory_(config_.blocks, clock()) {}

QDateTime LoggerBrain::clock() const {
    return now_().addMSecs(clockOffsetMs_);
}

QList<Emission> LoggerBrain::receive(const QByteArray& bytes) {
    QList<Emission> out;
    for (char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        if (state_ == State::Asleep) {
            if (byte == kWakeByte)
                state_ = State::Awake;
        } else if (isAddress(byte)) {
            // An address byte also starts over a command left unfinished.
            state_ = State::Selected;
            line_.clear();
            send(QByteArray(1, faults().handshakeReply.value_or(kHandshake)), 0, out);
        } else if (state_ == State::Selected && byte < kBroadcastAddress) {
            if (c != kCarriageReturn) {
                if (line_.size() < kLongestCommand)
                    line_.append(c);
            } else if (!line_.isEmpty()) {
                state_ = State::Awake;
                execute(std::exchange(line_, {}), out);
            }
        }
    }
    return out;
}

bool LoggerBrain::isAddress(quint8 byte) const {
    return byte != kWakeByte &&
           (byte == kBroadcastAddress || byte == kBroadcastAddress + config_.code);
}

void LoggerBrain::execute(const QByteArray& command, QList<Emission>& out) {
    const bool measures = command.startsWith('F');
    const QByteArray reply = replyTo(command);
    if (!reply.isEmpty())
        send(reply, measures ? kConversionDelayMs : kReplyDelayMs, out);
    commands_.append(command);
}

void LoggerBrain::send(const QByteArray& reply, int delayMs, QList<Emission>& out) {
    if (faults_.mute(commands_.size()))
        return;
    const QByteArray bytes = faults_.distort(reply);
    if (!bytes.isEmpty())
        out.append({bytes, delayMs + faults().slowMs});
}

// Runs one command and gives its reply, or nothing for the commands that have
// none. "z" (stop scanning) lands here as an unknown command: the logger is
// awake already and stays so.
QByteArray LoggerBrain::replyTo(const QByteArray& command) {
    const QByteArray argument = command.mid(1);
    if (command == "Z" || command == "Y") {
        // Scanning with acquisition, or auto-sleep: either way the logger
        // sleeps until the next wake-up burst.
        state_ = State::Asleep;
    } else if (command == "Q0000Q") {
        memory_.clear();
    } else if (command == "C0" || command == "C1") {
        channelCount_ = command == "C0" ? kFourChannels : kAnalogChannels;
    } else if (command == "j") {
        return statusReplyText();
    } else if (command == "H") {
        return clockReply(clock());
    } else if (command == "A0") {
        return digitalInputsReply(digitalInputs(clock()));
    } else if (command.startsWith('G')) {
        setClock(argument);
    } else if (command.startsWith('M')) {
        setScan(argument);
    } else if (command.startsWith('P')) {
        if (const auto parsed = parseChannelCommand(command))
            channels_[parsed->channel] = parsed->parameters;
    } else if (command.startsWith('S')) {
        return blockReplyFor(argument);
    } else if (command.startsWith('F')) {
        return readingReplyFor(argument);
    }
    return {};
}

// YYMMDDhhmmss; an impossible date or time is ignored.
void LoggerBrain::setClock(const QByteArray& digits) {
    if (digits.size() != 12 || !allDecimalDigits(digits))
        return;
    const auto field = [&digits](int index) { return digits.mid(2 * index, 2).toInt(); };
    const QDate date(2000 + field(0), field(1), field(2));
    const QTime time(field(3), field(4), field(5));
    if (!date.isValid() || !time.isValid())
        return;
    // The new clock keeps the time zone handling of the wall clock it runs on.
    const QDateTime reference = now_();
    QDateTime target = reference;
    target.setDate(date);
    target.setTime(time);
    clockOffsetMs_ = reference.msecsTo(target);
}

// Scan interval digit (0-7), then sleep digit (0-1).
void LoggerBrain::setScan(const QByteArray& digits) {
    if (digits.size() != 2 || !allDecimalDigits(digits))
        return;
    const int scan = digits.at(0) - '0';
    const int sleep = digits.at(1) - '0';
    if (scan > kHighestScanCode || sleep > kHighestSleepCode)
        return;
    scanCode_ = scan;
    sleepCode_ = sleep;
}

QByteArray LoggerBrain::blockReplyFor(const QByteArray& number) const {
    const auto requested = number.size() == 3 ? upperHexNumber(number) : std::nullopt;
    if (!requested)
        return {};
    const auto block = memory_.find(*requested);
    if (!block)
        return unwrittenBlockReply();
    BlockContent content;
    content.time = memory_.timeOf(*block);
    content.digital = digitalInputs(content.time);
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        content.readings[channel] = reading(channel, content.time);
    return blockReply(content);
}

// One digit ("F3") or two ("F03").
QByteArray LoggerBrain::readingReplyFor(const QByteArray& number) const {
    const auto channel =
        number.size() == 1 || number.size() == 2 ? decimalNumber(number) : std::nullopt;
    if (!channel || *channel >= kAnalogChannels)
        return {};
    return readingReply(reading(*channel, clock()), channels_[*channel].decimals);
}

QByteArray LoggerBrain::statusReplyText() const {
    LoggerStatus status;
    status.code = config_.code;
    status.nextBlock = memory_.nextBlock();
    status.capacity = BlockMemory::kCapacity;
    status.channelCount = channelCount_;
    status.scanCode = scanCode_;
    status.sleepCode = sleepCode_;
    return statusReply(status);
}

// Channels beyond the four of a four-channel set-up read 0, as inactive ones.
int LoggerBrain::reading(int channel, const QDateTime& at) const {
    if (channel >= channelCount_)
        return 0;
    return channelReading(channels_[channel], sensorReading(channel, at));
}

DigitalInputs LoggerBrain::digitalInputs(const QDateTime& at) const {
    DigitalInputs inputs;
    for (int input = 0; input < kDigitalInputs; ++input)
        inputs[input] = digitalContacts(input, at);
    return inputs;
}

} // namespace korven::sim
