#include "link/logger_link.h"

#include "link/link_texts.h"

namespace korven {

QByteArray addressByte(int loggerNumber) {
    return QByteArray(1, static_cast<char>(128 + loggerNumber));
}

Conversation::Conversation(Conversation&& other) noexcept
    : link_(std::exchange(other.link_, nullptr)), portError_(other.portError_) {}

Conversation::~Conversation() {
    if (!link_)
        return;
    link_->busy_ = false;
    link_->stopRequested_ = false;
}

LinkStatus Conversation::addressHandshake(int loggerNumber, int preWait, int limit) {
    sendAddress(loggerNumber);
    if (!pause(preWait))
        return LinkStatus::Stopped;
    resetSeconds();
    return awaitExclamation(limit);
}

LinkStatus Conversation::awaitExclamation(int limit) {
    // Each round reads everything waiting, so an answer that comes with other
    // characters is thrown away with them and the wait goes on.
    for (;;) {
        if (receive() == "!")
            return LinkStatus::Ok;
        if (ticks().secondTicks() > limit)
            return LinkStatus::NoAnswer;
        if (!pump())
            return LinkStatus::Stopped;
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

QByteArray Conversation::receive() {
    return port().receive();
}

void Conversation::resetSeconds() {
    ticks().setSecondTicks(0);
}

bool Conversation::pump() {
    if (stopped())
        return false;
    ticks().pump();
    return !stopped();
}

bool Conversation::pause(int seconds) {
    resetSeconds();
    while (ticks().secondTicks() <= seconds) {
        if (!pump())
            return false;
    }
    return true;
}

LinkStatus Conversation::awaitInput(int count, int limit) {
    for (;;) {
        if (port().inputCount() >= count)
            return LinkStatus::Ok;
        if (ticks().secondTicks() > limit)
            return LinkStatus::NoAnswer;
        if (!pump())
            return LinkStatus::Stopped;
    }
}

bool Conversation::stopped() const {
    return link_->stopRequested_;
}

void Conversation::markLinkFailed() {
    state().linkFailed = 1;
    state().linkAborted = true;
    state().statusText = QString::fromLatin1(link_texts::failedLinkStatus);
}

void Conversation::showNotConnected() {
    link_->showNotConnected();
}

void Conversation::showTransmissionError() {
    link_->showTransmissionError();
}

void Conversation::showProgress(const QString& text) {
    link_->progress_.show(state().callerScreen, text);
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

void LoggerLink::showBusyPointer(bool busy) const {
    if (busyPointer_)
        busyPointer_(busy);
}

void LoggerLink::showNotConnected() {
    prompter_.message(QString::fromLatin1(link_texts::notConnected), MessageIcon::Exclamation);
    showBusyPointer(false);
}

void LoggerLink::showTransmissionError() {
    prompter_.message(QString::fromLatin1(link_texts::transmissionError), MessageIcon::Exclamation);
}

} // namespace korven
