#pragma once

#include "platform/serial_port.h"
#include "sim/hayes_modem.h"
#include "sim/logger_brain.h"
#include "support/virtual_clock.h"

#include <QByteArray>
#include <QList>
#include <QSet>

#include <functional>
#include <optional>

namespace korven::test {

// A serial port with a simulated logger at the other end, on the virtual
// clock. What the program sends reaches the logger at once; its replies
// arrive after the delay it asks for, a character at a time at the line
// speed (11 bits each), in pieces as on a real line.
class SimulatedPort : public SerialPort {
public:
    explicit SimulatedPort(VirtualClock& clock, sim::LoggerConfig config = {})
        : clock_(clock), logger_(config, [&clock] { return clock.now(); }) {}

    sim::LoggerBrain& logger() { return logger_; }
    // Puts a Hayes modem between this port and the logger.
    sim::HayesModem& putModemInFront(sim::ModemConfig config = {}) {
        return modem_.emplace(config, logger_, [this] { return clock_.nowMs(); });
    }
    sim::HayesModem* modem() { return modem_ ? &*modem_ : nullptr; }
    // Opening this port number fails as for a port missing, or held elsewhere.
    void setPortMissing(int number) { missing_.insert(number); }
    void setPortHeld(int number) { held_.insert(number); }
    // Characters that reach the port now without the logger sending them.
    void inject(const QByteArray& noise) {
        if (open_)
            input_.append(noise);
    }
    // What the line makes of each reply: changed, late, twice or lost.
    using LineFilter = std::function<QList<sim::Emission>(const sim::Emission&)>;
    void setLineFilter(LineFilter filter) { lineFilter_ = std::move(filter); }

    // Everything sent, all writes together, and each write on its own.
    QByteArray sent() const { return writes_.join(); }
    const QList<QByteArray>& writes() const { return writes_; }
    int opens() const { return opens_; }

    void setPortNumber(int number) override { portNumber_ = number; }
    int portNumber() const override { return portNumber_; }
    void setLineSettings(const QString& settings) override;
    QString lineSettings() const override { return lineSettings_; }

    PortError open() override;
    void close() override {
        open_ = false;
        input_.clear();
    }
    bool isOpen() const override { return open_; }

    void send(const QByteArray& bytes) override;
    int inputCount() const override { return static_cast<int>(input_.size()); }
    QByteArray receive() override;
    void setReadLength(int length) override { readLength_ = length; }
    int readLength() const override { return readLength_; }

private:
    void transmitReply(const QByteArray& bytes, int delayMs);
    void watchModem();

    VirtualClock& clock_;
    sim::LoggerBrain logger_;
    std::optional<sim::HayesModem> modem_;
    std::optional<qint64> modemWatchMs_;
    LineFilter lineFilter_;
    QSet<int> missing_;
    QSet<int> held_;
    int portNumber_ = 1;
    QString lineSettings_ = QStringLiteral("9600,n,8,2");
    int baud_ = 9600;
    bool open_ = false;
    int opens_ = 0; // characters in flight belong to the opening they were sent in
    QByteArray input_;
    int readLength_ = 0;
    QList<QByteArray> writes_;
    qint64 lineFreeUs_ = 0;
};

} // namespace korven::test
