#include "link/conversation.h"

#include "link/link_texts.h"
#include "link/logger_link.h"
#include "link/protocol/commands.h"

#include <utility>

namespace korven {

namespace {

constexpr int kBitsPerCharacter = 11; // start, eight data, two stop

} // namespace

Conversation::Conversation(Conversation&& other) noexcept
    : link_(std::exchange(other.link_, nullptr)), portError_(other.portError_),
      heard_(std::move(other.heard_)), answered_(std::move(other.answered_)) {}

Conversation::~Conversation() {
    if (!link_)
        return;
    link_->busy_ = false;
    link_->stopRequested_ = false;
}

PortError Conversation::openPort() {
    portError_ = {};
    if (!port().isOpen())
        portError_ = port().open();
    return portError_;
}

void Conversation::closePort() {
    if (port().isOpen())
        port().close();
}

void Conversation::send(const QByteArray& bytes) {
    if (!stopped())
        port().send(bytes);
}

void Conversation::sendAddress(int loggerNumber) {
    send(command::address(loggerNumber));
}

void Conversation::sendCommand(const QByteArray& text) {
    send(text + '\r');
}

QByteArray Conversation::receive() {
    QByteArray arrived = port().receive();
    if (!arrived.isEmpty() && heard_)
        heard_();
    return arrived;
}

void Conversation::resetSeconds() {
    ticks().setSecondTicks(0);
}

bool Conversation::pump() {
    if (stopped())
        return false;
    ticks().pump();
    if (ticks().takeStopRequest())
        link_->requestStop();
    return !stopped();
}

bool Conversation::pause(int seconds) {
    resetSeconds();
    return awaitSeconds(seconds);
}

bool Conversation::awaitSeconds(int seconds) {
    while (ticks().secondTicks() <= seconds) {
        if (!pump())
            return false;
    }
    return true;
}

LinkStatus Conversation::awaitInput(int count, int limit) {
    // The count is looked at before the limit: a reply that came while the
    // program was busy elsewhere (a message box open over the wait) counts.
    for (;;) {
        if (port().inputCount() >= count)
            return LinkStatus::Ok;
        if (ticks().secondTicks() > limit)
            return LinkStatus::NoAnswer;
        if (!pump())
            return LinkStatus::Stopped;
    }
}

int Conversation::lineMs(qsizetype characters) const {
    const int baud = link_->port_.lineSettings().section(u',', 0, 0).toInt();
    return baud > 0 ? static_cast<int>(characters * kBitsPerCharacter * 1000 / baud) : 0;
}

Handshake Conversation::handshake(int loggerNumber, const HandshakeRules& rules) {
    const Handshake answer = awaitAnswer(loggerNumber, rules);
    if (answer.status == LinkStatus::Ok)
        answered_.insert(loggerNumber);
    return answer;
}

Handshake Conversation::awaitAnswer(int loggerNumber, const HandshakeRules& rules) {
    using Answer = HandshakeRules::Answer;
    if (rules.discardWaiting)
        receive();
    sendAddress(loggerNumber);
    if (rules.pause && !pause(*rules.pause))
        return {LinkStatus::Stopped, false};
    if (rules.restartTicks)
        resetSeconds();

    bool heard = false;
    for (;;) {
        // What has arrived is looked at before the limit, so an answer that
        // came while the program was busy elsewhere is not lost.
        const bool limitPassed = ticks().secondTicks() > rules.limit;
        if (rules.answer == Answer::First) {
            const int waiting = port().inputCount();
            if (waiting >= 1 && (rules.mostWaiting == 0 || waiting <= rules.mostWaiting))
                return {receive() == "!" ? LinkStatus::Ok : LinkStatus::WrongAnswer, true};
            heard = heard || waiting > 0;
        } else {
            const QByteArray arrived = receive();
            if (arrived == "!")
                return {LinkStatus::Ok, true};
            heard = heard || !arrived.isEmpty();
        }
        if (limitPassed)
            return {LinkStatus::NoAnswer, heard};
        if (!pump())
            return {LinkStatus::Stopped, heard};
    }
}

Reply Conversation::exchange(const QByteArray& command, int replyLength, int limit) {
    sendCommand(command);
    resetSeconds();
    const LinkStatus status = awaitInput(replyLength, limit);
    if (status != LinkStatus::Ok)
        return {status, {}};
    return {LinkStatus::Ok, receive()};
}

bool Conversation::stopped() const {
    return link_->stopRequested_;
}

SerialPort& Conversation::port() {
    return link_->port_;
}

Ticks& Conversation::ticks() {
    return link_->ticks_;
}

LinkState& Conversation::state() {
    return link_->state_;
}

LinkReporter& Conversation::reporter() {
    return link_->reporter_;
}

void Conversation::markLinkFailed() {
    state().linkFailed = 1;
    state().linkAborted = true;
    state().statusText = link_texts::failedLinkStatus;
}

void Conversation::showProgress(const QString& text) {
    reporter().progress(state().callerScreen, text);
}

std::optional<Conversation> LoggerLink::startConversation() {
    if (busy_)
        return std::nullopt;
    busy_ = true;
    stopRequested_ = false;
    return Conversation(*this);
}

void LoggerLink::requestStop() {
    if (busy_)
        stopRequested_ = true;
}

} // namespace korven
