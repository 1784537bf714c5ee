#pragma once

#include "platform/serial_port.h"

#include <functional>

namespace korven {

// The port as a job run through the modem sees it. The first time the job
// opens it - after the job's own checks, just before it wakes the logger -
// the modem dials; every later opening only opens the port. Once a call has
// failed, every opening fails with it. Everything else is the port's own.
class DialledPort : public SerialPort {
public:
    // `dial` places the call and closes the port again; no error when the
    // call came up.
    DialledPort(SerialPort& port, std::function<PortError()> dial)
        : port_(port), dial_(std::move(dial)) {}

    bool dialled() const { return dialled_; }

    void setPortNumber(int number) override { port_.setPortNumber(number); }
    int portNumber() const override { return port_.portNumber(); }
    void setLineSettings(const QString& settings) override { port_.setLineSettings(settings); }
    QString lineSettings() const override { return port_.lineSettings(); }

    PortError open() override;
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }

    void send(const QByteArray& bytes) override { port_.send(bytes); }
    int inputCount() const override { return port_.inputCount(); }
    QByteArray receive() override { return port_.receive(); }
    void setReadLength(int length) override { port_.setReadLength(length); }
    int readLength() const override { return port_.readLength(); }

private:
    SerialPort& port_;
    std::function<PortError()> dial_;
    bool dialled_ = false;
    PortError callError_;
};

} // namespace korven
