#pragma once

#include "link/link_reporter.h"
#include "link/link_state.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QByteArray>
#include <QSet>

#include <functional>
#include <optional>

namespace korven {

enum class LinkStatus {
    Ok,
    NoAnswer,    // nothing, or not enough, arrived within the limit
    WrongAnswer, // something other than "!" answered the address byte
    BadReply,    // a reply the protocol does not allow
    Stopped,     // the conversation was asked to stop (a screen is closing)
    PortFailed,  // the port would not open; see Conversation::portError()
    Busy,        // another conversation holds the line
};

struct Reply {
    LinkStatus status = LinkStatus::NoAnswer;
    QByteArray bytes;
};

// How a logger's "!" is awaited after its address byte. The procedures differ
// only in these choices, so they all share one handshake.
struct HandshakeRules {
    enum class Answer {
        // Every read of what is waiting must be exactly "!"; anything else is
        // thrown away with it and the wait goes on.
        Exact,
        // The first characters to arrive decide: "!", or a wrong answer.
        First,
    };
    // What is waiting before the address byte goes out is not its answer.
    bool discardWaiting = false;
    // A pause of this many second ticks after the address byte.
    std::optional<int> pause;
    // The limit counts from the address byte (or the pause); otherwise from
    // the caller's last reset of the second ticks.
    bool restartTicks = true;
    int limit = 2; // second ticks
    Answer answer = Answer::Exact;
    // With Answer::First, more characters than this waiting at once are line
    // noise and the wait goes on; 0 for no bound.
    int mostWaiting = 0;
};

struct Handshake {
    LinkStatus status = LinkStatus::NoAnswer;
    bool heard = false; // something came back, even if not "!"
};

class LoggerLink;

// One conversation with a logger, from the first byte to the last. While it
// exists no other conversation can start, so two screens never mix their bytes
// on the line. Every wait in it lets events run, has a tick limit, takes what
// has arrived before it declares its limit passed, and ends at once when the
// link is asked to stop; after a stop nothing more is sent.
//
// It offers the steps the procedures (wakeLogger, resumeScanning, the
// transmission, the block requests...) are made of; they live in files of
// their own.
class Conversation {
public:
    Conversation(Conversation&& other) noexcept;
    Conversation& operator=(Conversation&&) = delete;
    ~Conversation();

    // The line.
    PortError openPort(); // opens the port when it is closed
    void closePort();
    PortError portError() const { return portError_; }
    void send(const QByteArray& bytes);
    void sendAddress(int loggerNumber);
    void sendCommand(const QByteArray& text); // the text and its CR
    // Everything waiting (or what the read length allows).
    QByteArray receive();
    // Told whenever characters arrive from the logger.
    void setHeardListener(std::function<void()> heard) { heard_ = std::move(heard); }

    // The time base.
    void resetSeconds();
    // One round of event processing; false once the conversation is stopped,
    // by the link or by a stop request on the time base (Ticks::requestStop).
    bool pump();
    // Resets the second ticks and waits until they exceed `seconds`.
    bool pause(int seconds);
    // Waits until the second ticks, not reset here, exceed `seconds`.
    bool awaitSeconds(int seconds);
    // Waits until at least `count` characters are waiting or the second ticks,
    // not reset here, exceed `limit`.
    LinkStatus awaitInput(int count, int limit);
    // How long `characters` take on the line at the port's speed.
    int lineMs(qsizetype characters) const;

    // Sends the address byte of `loggerNumber` and awaits its "!".
    Handshake handshake(int loggerNumber, const HandshakeRules& rules);
    // The logger numbered `loggerNumber` answered its address byte with "!"
    // at least once in this conversation.
    bool heardFrom(int loggerNumber) const { return answered_.contains(loggerNumber); }
    // Sends the command with its CR, resets the second ticks, waits up to
    // `limit` for `replyLength` characters and reads everything waiting.
    Reply exchange(const QByteArray& command, int replyLength, int limit);

    bool stopped() const;
    SerialPort& port();
    Ticks& ticks();
    LinkState& state();
    LinkReporter& reporter();
    // The failure marks the menu actions look at.
    void markLinkFailed();
    // A progress text for the caller screen's label.
    void showProgress(const QString& text);

private:
    friend class LoggerLink;
    explicit Conversation(LoggerLink& link) : link_(&link) {}
    Handshake awaitAnswer(int loggerNumber, const HandshakeRules& rules);

    LoggerLink* link_;
    PortError portError_;
    std::function<void()> heard_;
    QSet<int> answered_;
};

} // namespace korven
