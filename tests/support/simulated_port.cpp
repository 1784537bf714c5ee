#include "support/simulated_port.h"

#include "platform/qt_serial_port.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korven::test {

constexpr int kBitsPerCharacter = 11;

void SimulatedPort::setLineSettings(const QString& settings) {
    const auto parsed = parseLineSettings(settings);
    if (!parsed)
        return;
    lineSettings_ = settings;
    baud_ = parsed->baud;
}

PortError SimulatedPort::open() {
    if (open_ || held_.contains(portNumber_))
        return {QtSerialPort::kPortInUse, QStringLiteral("The port is in use")};
    if (portNumber_ < 1 || portNumber_ > 4 || missing_.contains(portNumber_))
        return {kInvalidPortNumber, QStringLiteral("There is no COM %1").arg(portNumber_)};
    open_ = true;
    ++opens_;
    input_.clear();
    return {};
}

void SimulatedPort::send(const QByteArray& bytes) {
    if (!open_) {
        ADD_FAILURE() << "bytes sent on a closed port: " << bytes.toHex(' ').constData();
        return;
    }
    writes_.append(bytes);
    for (const sim::Emission& emission : modem_ ? modem_->receive(bytes) : logger_.receive(bytes)) {
        const QList<sim::Emission> carried = lineFilter_ ? lineFilter_(emission) : QList{emission};
        for (const sim::Emission& arriving : carried)
            transmitReply(arriving.bytes, arriving.delayMs);
    }
    watchModem();
}

// What the modem sends in its own time (CONNECT, OK after "+++") goes out then.
void SimulatedPort::watchModem() {
    const auto due = modem_ ? modem_->nextDueMs() : std::nullopt;
    if (!due || due == modemWatchMs_)
        return;
    modemWatchMs_ = due;
    clock_.at(*due, [this, due] {
        if (modemWatchMs_ == due)
            modemWatchMs_.reset();
        for (const sim::Emission& emission : modem_->takeDue())
            transmitReply(emission.bytes, emission.delayMs);
        watchModem();
    });
}

QByteArray SimulatedPort::receive() {
    const qsizetype count =
        readLength_ > 0 ? std::min<qsizetype>(readLength_, input_.size()) : input_.size();
    const QByteArray taken = input_.first(count);
    input_.remove(0, count);
    return taken;
}

void SimulatedPort::transmitReply(const QByteArray& bytes, int delayMs) {
    const qint64 characterUs = (kBitsPerCharacter * 1'000'000LL + baud_ - 1) / baud_;
    qint64 arrivalUs = std::max(clock_.nowUs() + delayMs * 1000LL, lineFreeUs_);
    const int opening = opens_;
    for (const char byte : bytes) {
        arrivalUs += characterUs;
        clock_.atUs(arrivalUs, [this, byte, opening] {
            // A port closed since, or opened again, never sees the character.
            if (open_ && opens_ == opening)
                input_.append(byte);
        });
    }
    lineFreeUs_ = arrivalUs;
}

} // namespace korven::test
