// The commands the logger understands: what each changes and answers.

#include "sim/logger_brain.h"
#include "sim/replies.h"
#include "sim/wire_numbers.h"

#include <array>

namespace korven::sim {

namespace {

constexpr int kFourChannels = 4;
constexpr int kHighestScanCode = 7;
constexpr int kHighestSleepCode = 1;
// The block pointer travels as two bytes.
constexpr int kBlockPointerMask = 0xFFFF;

// Scan intervals by scan code: continuous, 1, 10 and 30 minutes, 1, 2, 6 and
// 12 hours. Continuous scanning stores a block every ten seconds.
constexpr std::array<int, kHighestScanCode + 1> kScanSeconds{10,   60,   600,   1800,
                                                             3600, 7200, 21600, 43200};

} // namespace

// Runs one command and gives its reply, or nothing for the commands that have
// none. Unknown or malformed commands are ignored.
QByteArray LoggerBrain::replyTo(const QByteArray& command) {
    const QByteArray argument = command.mid(1);
    if (command == "z" || command == "Z") {
        setScanning(command == "Z");
    } else if (command == "Y") {
        state_ = State::Asleep;
        report(EventTopic::Conversation, "asleep");
    } else if (command == "Q0000Q") {
        emptyMemory();
    } else if (command == "C0" || command == "C1") {
        setChannelCount(command == "C0" ? kFourChannels : kAnalogChannels);
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
        setChannel(command);
    } else if (command.startsWith('S')) {
        return blockReplyFor(argument);
    } else if (command.startsWith('F')) {
        return readingReplyFor(argument);
    }
    return {};
}

// "Z" scans with acquisition, "z" stops; either way the logger stays awake
// and keeps answering its address until "Y" puts it to sleep.
void LoggerBrain::setScanning(bool acquiring) {
    acquiring_ = acquiring;
    if (config_.recording) {
        if (acquiring && !memory_.isRecording())
            memory_.startRecording(recordingIntervalSeconds());
        else if (!acquiring)
            memory_.stopRecording();
    }
    report(EventTopic::Conversation, acquiring ? "scanning with acquisition" : "scanning stopped");
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
    // Blocks recorded so far keep the times of the old clock.
    const bool recording = memory_.isRecording();
    memory_.stopRecording();
    // The new clock keeps the time zone handling of the wall clock it runs on.
    const QDateTime reference = now_();
    QDateTime target = reference;
    target.setDate(date);
    target.setTime(time);
    clockOffsetMs_ = reference.msecsTo(target);
    if (recording)
        memory_.startRecording(recordingIntervalSeconds());
    report(EventTopic::Setup, "clock set to " + target.toString(Qt::ISODate).toLatin1());
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
    if (memory_.isRecording())
        memory_.startRecording(recordingIntervalSeconds());
    report(EventTopic::Setup,
           "scan code " + QByteArray::number(scan) + " auto-sleep " + QByteArray::number(sleep));
}

void LoggerBrain::setChannelCount(int count) {
    channelCount_ = count;
    report(EventTopic::Setup, "channel count " + QByteArray::number(count));
}

void LoggerBrain::setChannel(const QByteArray& command) {
    const ChannelCommandReading reading = readChannelCommand(command);
    if (!reading.command) {
        report(EventTopic::Setup, "refused " + printable(command) + ": " + reading.refusal);
        return;
    }
    const int channel = reading.command->channel;
    channels_[channel] = reading.command->parameters;
    received_[channel] = true;
    report(EventTopic::Setup, describeChannel(channel, channels_[channel]));
}

void LoggerBrain::emptyMemory() {
    memory_.clear();
    report(EventTopic::Setup, "memory emptied");
}

int LoggerBrain::recordingIntervalSeconds() const {
    return kScanSeconds.at(scanCode_);
}

QByteArray LoggerBrain::blockReplyFor(const QByteArray& number) const {
    const auto requested = number.size() == 3 ? upperHexNumber(number) : std::nullopt;
    if (!requested)
        return {};
    const auto block = memory_.find(*requested);
    if (!block)
        return unwrittenBlockReply(config_.blockForm);
    BlockContent content;
    content.time = memory_.timeOf(*block);
    content.digital = digitalInputs(content.time);
    for (int channel = 0; channel < kAnalogChannels; ++channel)
        content.readings[channel] = reading(channel, content.time);
    return blockReply(content, config_.blockForm);
}

// One digit ("F3") or two ("F03").
QByteArray LoggerBrain::readingReplyFor(const QByteArray& number) const {
    const auto channel =
        number.size() == 1 || number.size() == 2 ? decimalNumber(number) : std::nullopt;
    if (!channel || *channel >= kAnalogChannels)
        return {};
    return readingReply(reading(*channel, clock()), channels_[*channel].decimals,
                        config_.shortReadings);
}

QByteArray LoggerBrain::statusReplyText() const {
    LoggerStatus status;
    status.code = config_.code;
    status.nextBlock = memory_.nextBlock() & kBlockPointerMask;
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
    const ChannelParameters& parameters = channels_[channel];
    const int sensor = sensorReading(channel, received_[channel] ? &parameters : nullptr, at);
    return channelReading(parameters, sensor);
}

DigitalInputs LoggerBrain::digitalInputs(const QDateTime& at) const {
    DigitalInputs inputs;
    for (int input = 0; input < kDigitalInputs; ++input)
        inputs[input] = digitalContacts(input, at);
    return inputs;
}

} // namespace korven::sim
