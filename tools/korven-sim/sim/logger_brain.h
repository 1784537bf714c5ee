#pragma once

#include "sim/block_memory.h"
#include "sim/channel_parameters.h"
#include "sim/fault_plan.h"
#include "sim/logger_inputs.h"
#include "sim/reply_faults.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>
#include <functional>

namespace korven::sim {

struct LoggerConfig {
    int code = 1;         // answers address byte 128 and 128 + code
    int blocks = 300;     // blocks stored at start (numbered 0 .. blocks-1)
    QDateTime clockStart; // logger clock at construction; invalid = current time
};

// Bytes the logger sends, delayMs after the input that caused them arrived.
struct Emission {
    QByteArray bytes;
    int delayMs = 0;
};

// A KORVEN logger without any input or output of its own: it is handed the
// bytes the program sent and answers with what the logger would send and
// when. The pty front end and the in-process test port both drive it, so the
// program meets the same logger on a real line and on a virtual clock.
class LoggerBrain {
public:
    // `now` is the wall clock the logger's clock runs on; by default the
    // computer's clock.
    explicit LoggerBrain(LoggerConfig config = {}, std::function<QDateTime()> now = {});

    // Bytes the program sent, in order.
    QList<Emission> receive(const QByteArray& bytes);
    FaultPlan& faults() { return faults_.plan(); }

    bool isAwake() const { return state_ != State::Asleep; }
    // Addressed, and collecting a command up to its CR.
    bool isSelected() const { return state_ == State::Selected; }
    // The block the logger will write next (= blocks stored).
    int nextBlock() const { return memory_.nextBlock(); }
    // Every command received, without its CR.
    QList<QByteArray> commands() const { return commands_; }
    // 4 or 8, as "C0" / "C1" set it.
    int channelCount() const { return channelCount_; }
    // The digits of the last "M" command.
    int scanCode() const { return scanCode_; }
    int sleepCode() const { return sleepCode_; }
    const ChannelParameters& channel(int index) const { return channels_.at(index); }
    QDateTime clock() const;

private:
    enum class State { Asleep, Awake, Selected };

    bool isAddress(quint8 byte) const;
    void execute(const QByteArray& command, QList<Emission>& out);
    void send(const QByteArray& reply, int delayMs, QList<Emission>& out);
    QByteArray replyTo(const QByteArray& command);
    void setClock(const QByteArray& digits);
    void setScan(const QByteArray& digits);
    QByteArray blockReplyFor(const QByteArray& number) const;
    QByteArray readingReplyFor(const QByteArray& number) const;
    QByteArray statusReplyText() const;
    int reading(int channel, const QDateTime& at) const;
    DigitalInputs digitalInputs(const QDateTime& at) const;

    LoggerConfig config_;
    std::function<QDateTime()> now_;
    qint64 clockOffsetMs_ = 0;
    State state_ = State::Asleep;
    QByteArray line_;
    QList<QByteArray> commands_;
    BlockMemory memory_;
    std::array<ChannelParameters, kAnalogChannels> channels_{};
    int channelCount_ = kAnalogChannels;
    int scanCode_ = 0;
    int sleepCode_ = 0;
    ReplyFaults faults_;
};

} // namespace korven::sim
