#pragma once

#include "link/link_state.h"
#include "link/progress_labels.h"
#include "platform/prompter.h"
#include "platform/record.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace korven {

enum class LinkStatus {
    Ok,
    NoAnswer,   // nothing, or not enough, arrived within the limit
    BadReply,   // an answer the protocol does not allow
    Stopped,    // the conversation was asked to stop (a screen is closing)
    PortFailed, // the port would not open; see Conversation::portError()
};

struct Reply {
    LinkStatus status = LinkStatus::NoAnswer;
    QByteArray bytes;
};

// The byte that selects a logger: 128 + its number (0 reaches any logger).
QByteArray addressByte(int loggerNumber);

class LoggerLink;

// One conversation with a logger, from the first byte to the last. While it
// exists no other conversation can start, so two screens never mix their bytes
// on the line. Every wait in it lets events run, has a tick limit, and ends at
// once when the link is asked to stop; after a stop nothing more is sent.
class Conversation {
public:
    Conversation(Conversation&& other) noexcept;
    Conversation& operator=(Conversation&&) = delete;
    ~Conversation();

    // Wakes the logger with bursts of 0xFF and waits for its "!"; then sends
    // "z" so it stops scanning and listens. Up to four cycles; the progress
    // goes to the caller screen's label. On failure the link state records it
    // and the not-connected message has been shown. Opens the port if needed.
    LinkStatus wakeLogger();

    // Sends the address byte, pauses for `preWait` ticks, then waits up to
    // `limit` ticks for a read that is exactly "!".
    LinkStatus addressHandshake(int loggerNumber, int preWait, int limit);
    // Waits up to `limit` ticks, counted from the last reset, for a read that
    // is exactly "!".
    LinkStatus awaitExclamation(int limit);
    // Sends the command with its CR, then waits up to `limit` ticks for
    // `replyLength` characters and reads everything waiting.
    Reply exchange(const QByteArray& command, int replyLength, int limit);

    // Puts the logger back into scanning as the logger set-up's saved flags
    // say, reporting the outcome to the user, and closes the port. Reads the
    // general-parameters record into `par`, the shared in-memory copy.
    LinkStatus resumeScanning(const QString& loggerSetupPath, Record& par);

    // The steps the procedures are made of, for callers with their own shape.
    PortError openPort(); // opens the port when it is closed
    void closePort();
    PortError portError() const { return portError_; }
    void send(const QByteArray& bytes);
    void sendAddress(int loggerNumber) { send(addressByte(loggerNumber)); }
    void sendCommand(const QByteArray& text) { send(text + '\r'); }
    QByteArray receive();
    void resetSeconds();
    // One round of event processing; false once the conversation is stopped.
    bool pump();
    // Resets the second ticks and waits until they exceed `seconds`.
    bool pause(int seconds);
    // Waits until at least `count` characters are waiting or the second ticks,
    // not reset here, exceed `limit`. Like every wait here it tests before it
    // pumps, so a reply already waiting is taken without delay.
    LinkStatus awaitInput(int count, int limit);

    bool stopped() const;
    // The failure marks the menu actions look at.
    void markLinkFailed();
    void showNotConnected();
    void showTransmissionError();
    void showProgress(const QString& text);
    SerialPort& port();
    Ticks& ticks();
    LinkState& state();

private:
    friend class LoggerLink;
    explicit Conversation(LoggerLink& link) : link_(&link) {}

    LinkStatus wakeCycle();
    LinkStatus awaitWakeAnswer();
    // Closes the port and tells the user why the resume failed.
    LinkStatus endResume(LinkStatus status, const char* failure = nullptr);

    LoggerLink* link_;
    PortError portError_;
};

// The one link to the loggers: the port, the time base, the prompts, and the
// link state every screen shares.
class LoggerLink {
public:
    LoggerLink(SerialPort& port, Ticks& ticks, Prompter& prompter)
        : port_(port), ticks_(ticks), prompter_(prompter) {}

    LinkState& state() { return state_; }
    const LinkState& state() const { return state_; }
    ProgressLabels& progress() { return progress_; }

    // Empty while another conversation runs: the second one is refused.
    std::optional<Conversation> startConversation();
    bool busy() const { return busy_; }
    // Ends the waits of the running conversation; for the screen that runs it
    // and is being closed. Does nothing when no conversation runs.
    void requestStop();

    // How the busy pointer is shown; nothing by default.
    void setBusyPointer(std::function<void(bool busy)> show) { busyPointer_ = std::move(show); }
    void showBusyPointer(bool busy) const;

    // "ATTENZIONE! KORVEN NON COLLEGATA.", then the normal pointer.
    void showNotConnected();
    void showTransmissionError();

private:
    friend class Conversation;

    SerialPort& port_;
    Ticks& ticks_;
    Prompter& prompter_;
    LinkState state_;
    ProgressLabels progress_;
    std::function<void(bool)> busyPointer_;
    bool busy_ = false;
    bool stopRequested_ = false;
};

} // namespace korven
