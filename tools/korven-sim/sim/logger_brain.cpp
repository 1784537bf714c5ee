#include "sim/logger_brain.h"

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

QByteArray hexByte(quint8 byte) {
    return QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
}

} // namespace

LoggerBrain::LoggerBrain(LoggerConfig config, std::function<QDateTime()> now)
    : config_(std::move(config)),
      now_(now ? std::move(now) : [] { return QDateTime::currentDateTime(); }),
      clockOffsetMs_(config_.clockStart.isValid() ? now_().msecsTo(config_.clockStart) : 0),
      lastInput_(now_()), memory_(config_.blocks, [this] { return clock(); }) {
    if (config_.recording)
        memory_.startRecording(recordingIntervalSeconds());
}

QDateTime LoggerBrain::clock() const {
    return now_().addMSecs(clockOffsetMs_);
}

bool LoggerBrain::isAwake() const {
    return state_ != State::Asleep && !dozedOff();
}

QList<Emission> LoggerBrain::receive(const QByteArray& bytes) {
    QList<Emission> out;
    if (dozedOff()) {
        state_ = State::Asleep;
        report(EventTopic::Conversation, "asleep (auto-sleep)");
    }
    for (char c : bytes)
        take(static_cast<quint8>(c), out);
    lastInput_ = now_();
    return out;
}

// With auto-sleep on, a logger scanning with acquisition sleeps between its
// scans once nobody talks to it; a stopped logger waits for the program.
bool LoggerBrain::dozedOff() const {
    return state_ == State::Awake && acquiring_ && sleepCode_ == 1 &&
           lastInput_.msecsTo(now_()) >= kDozeAfterMs;
}

void LoggerBrain::take(quint8 byte, QList<Emission>& out) {
    if (state_ == State::Asleep) {
        if (byte == kWakeByte && !faults().neverWakes) {
            state_ = State::Awake;
            report(EventTopic::Conversation, "woken");
        }
    } else if (isAddress(byte)) {
        answerAddress(byte, out);
    } else if (state_ == State::Selected && byte < kBroadcastAddress) {
        if (byte != kCarriageReturn) {
            if (line_.size() < kLongestCommand)
                line_.append(static_cast<char>(byte));
        } else if (!line_.isEmpty()) {
            state_ = State::Awake;
            execute(std::exchange(line_, {}), out);
        }
    }
}

bool LoggerBrain::isAddress(quint8 byte) const {
    return byte != kWakeByte &&
           (byte == kBroadcastAddress || byte == kBroadcastAddress + config_.code);
}

// An address byte also starts over a command left unfinished.
void LoggerBrain::answerAddress(quint8 byte, QList<Emission>& out) {
    state_ = State::Selected;
    line_.clear();
    const char handshake = faults().handshakeReply.value_or(kHandshake);
    const QByteArray sent = send(QByteArray(1, handshake), 0, false, out);
    report(EventTopic::Conversation,
           "address " + hexByte(byte) +
               (sent.isEmpty() ? " not answered" : " answered " + printable(sent)));
}

void LoggerBrain::execute(const QByteArray& command, QList<Emission>& out) {
    report(EventTopic::Conversation, "command " + printable(command));
    const bool measures = command.startsWith('F');
    const QByteArray reply = replyTo(command);
    if (!reply.isEmpty())
        send(reply, measures ? kConversionDelayMs : kReplyDelayMs, true, out);
    commands_.append(command);
}

QByteArray LoggerBrain::send(const QByteArray& reply, int delayMs, bool answersCommand,
                             QList<Emission>& out) {
    if (faults_.mute(commands_.size()))
        return {};
    const QByteArray bytes = faults_.distort(reply, answersCommand);
    if (!bytes.isEmpty())
        out.append({bytes, delayMs + faults().slowMs});
    return bytes;
}

void LoggerBrain::report(EventTopic topic, const QByteArray& text) const {
    if (sink_)
        sink_(topic, text);
}

} // namespace korven::sim
