#pragma once

#include "sim/at_commands.h"
#include "sim/logger_brain.h"
#include "sim/logger_events.h"
#include "sim/modem_config.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <functional>
#include <optional>

namespace korven::sim {

// A Hayes modem on the program's port, with the remote modem and the logger
// behind it. In command mode it echoes (until ATE0) and answers AT command
// lines with OK or ERROR framed by CR LF; a dial command calls the logger's
// site and, once the call is up, every byte passes through to the logger and
// back. "+++" framed by a guard second of silence on both sides returns to
// command mode with the call still up; ATH0 hangs up, ATO goes back online.
//
// Like the logger it does no input or output: it is handed the bytes the
// program sent and gives back what goes out and when. Some of what it sends
// is due to time alone (CONNECT after the call time, OK after the escape's
// guard time): nextDueMs() says when to call takeDue() for it.
class HayesModem {
public:
    // `nowMs` is a steady clock in milliseconds; `logger` stays the caller's.
    HayesModem(ModemConfig config, LoggerBrain& logger, std::function<qint64()> nowMs);

    QList<Emission> receive(const QByteArray& bytes);
    // When something falls due without any input; nothing when all is quiet.
    std::optional<qint64> nextDueMs() const;
    // What has fallen due by now, to go out at once.
    QList<Emission> takeDue();

    void setEventSink(EventSink sink) { sink_ = std::move(sink); }

    // Command lines received, as typed (without CR), "ATE0" or "atdt0123".
    const QList<QByteArray>& commandLines() const { return commandLines_; }
    bool echoes() const { return echo_; }
    bool hasCall() const { return call_; }
    bool isOnline() const { return mode_ == Mode::Online; }
    bool isDialling() const { return mode_ == Mode::Dialling; }
    // The last number dialled, after "T" for tones or "P" for pulses.
    QByteArray dialled() const { return dialled_; }

private:
    enum class Mode { Command, Dialling, Online };

    void takeCommandByte(char byte, QList<Emission>& out);
    void takeOnlineByte(char byte, QList<Emission>& out);
    void runLine(const QByteArray& line, QList<Emission>& out);
    // Runs the commands in order; the result word, or nothing while dialling
    // (or when a fault keeps the modem quiet).
    QByteArray runCommands(const QList<AtCommand>& commands, QList<Emission>& out);
    void dial(const AtCommand& command);
    void result(const QByteArray& word, int delayMs, QList<Emission>& out) const;
    int guardMs() const;
    void report(const QByteArray& text) const;

    ModemConfig config_;
    LoggerBrain& logger_;
    std::function<qint64()> nowMs_;
    EventSink sink_;
    Mode mode_ = Mode::Command;
    bool echo_ = true;
    bool call_ = false;
    QByteArray line_;
    QList<QByteArray> commandLines_;
    QByteArray dialled_;
    QMap<int, int> registers_;
    std::optional<qint64> callDueMs_;
    // The escape sequence: pluses seen, when the last came, and when the
    // silence after them completes it.
    int pluses_ = 0;
    qint64 lastInputMs_ = 0;
    std::optional<qint64> escapeDueMs_;
};

} // namespace korven::sim
