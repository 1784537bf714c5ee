#pragma once

#include "sim/block_memory.h"
#include "sim/channel_parameters.h"
#include "sim/fault_plan.h"
#include "sim/logger_events.h"
#include "sim/logger_inputs.h"
#include "sim/replies.h"
#include "sim/reply_faults.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>
#include <functional>

namespace korven::sim {

struct LoggerConfig {
    int code = 1;           // answers address byte 128 and 128 + code
    int blocks = 300;       // blocks stored at start (numbered 0 .. blocks-1)
    QDateTime clockStart;   // logger clock at construction; invalid = current time
    BlockForm blockForm;    // how block replies separate and end their bytes
    bool recording = false; // stores new blocks while acquiring, at the scan interval
    // Readings as some loggers display them, without the zeros before the
    // first digit that counts ("+12.35" rather than "+012.35").
    bool shortReadings = false;
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
    // Its memory reads the clock through this very object.
    LoggerBrain(const LoggerBrain&) = delete;
    LoggerBrain& operator=(const LoggerBrain&) = delete;

    // Bytes the program sent, in order.
    QList<Emission> receive(const QByteArray& bytes);
    FaultPlan& faults() { return faults_.plan(); }
    // Where the logger tells what it does; nowhere by default.
    void setEventSink(EventSink sink) { sink_ = std::move(sink); }

    bool isAwake() const;
    // Addressed, and collecting a command up to its CR.
    bool isSelected() const { return state_ == State::Selected; }
    // Scanning with acquisition ("Z"), rather than stopped ("z").
    bool isAcquiring() const { return acquiring_; }
    // The block the logger will write next (= blocks stored since the last reset).
    int nextBlock() const { return memory_.nextBlock(); }
    // Every command received, without its CR.
    QList<QByteArray> commands() const { return commands_; }
    // 4 or 8, as "C0" / "C1" set it.
    int channelCount() const { return channelCount_; }
    // The digits of the last "M" command.
    int scanCode() const { return scanCode_; }
    int sleepCode() const { return sleepCode_; }
    const ChannelParameters& channel(int index) const { return channels_.at(index); }
    // Whether a "P" command for the channel has been taken since start.
    bool channelReceived(int index) const { return received_.at(index); }
    QDateTime clock() const;

private:
    enum class State { Asleep, Awake, Selected };

    // Acquiring with auto-sleep, a logger left alone this long dozes off.
    static constexpr int kDozeAfterMs = 10'000;

    void take(quint8 byte, QList<Emission>& out);
    bool dozedOff() const;
    bool isAddress(quint8 byte) const;
    void answerAddress(quint8 byte, QList<Emission>& out);
    void execute(const QByteArray& command, QList<Emission>& out);
    QByteArray send(const QByteArray& reply, int delayMs, bool answersCommand,
                    QList<Emission>& out);
    void report(EventTopic topic, const QByteArray& text) const;

    // Commands, in logger_commands.cpp.
    QByteArray replyTo(const QByteArray& command);
    void setScanning(bool acquiring);
    void setClock(const QByteArray& digits);
    void setScan(const QByteArray& digits);
    void setChannelCount(int count);
    void setChannel(const QByteArray& command);
    void emptyMemory();
    QByteArray blockReplyFor(const QByteArray& number) const;
    QByteArray readingReplyFor(const QByteArray& number) const;
    QByteArray statusReplyText() const;
    int reading(int channel, const QDateTime& at) const;
    DigitalInputs digitalInputs(const QDateTime& at) const;
    int recordingIntervalSeconds() const;

    LoggerConfig config_;
    std::function<QDateTime()> now_;
    qint64 clockOffsetMs_ = 0;
    State state_ = State::Asleep;
    bool acquiring_ = true;
    QDateTime lastInput_;
    QByteArray line_;
    QList<QByteArray> commands_;
    BlockMemory memory_;
    std::array<ChannelParameters, kAnalogChannels> channels_{};
    std::array<bool, kAnalogChannels> received_{};
    int channelCount_ = kAnalogChannels;
    // The stored history was written every ten minutes: scan code 2.
    int scanCode_ = 2;
    int sleepCode_ = 0;
    ReplyFaults faults_;
    EventSink sink_;
};

} // namespace korven::sim
