#pragma once

#include "platform/serial_port.h"

#include <QtGlobal>

namespace korven::bench {

// Passes everything on to the real port and counts the characters that
// cross the line each way.
class CountingPort : public SerialPort {
public:
    explicit CountingPort(SerialPort& port) : port_(port) {}

    qint64 characters() const { return sent_ + received_; }

    void setPortNumber(int number) override { port_.setPortNumber(number); }
    int portNumber() const override { return port_.portNumber(); }
    void setLineSettings(const QString& settings) override { port_.setLineSettings(settings); }
    QString lineSettings() const override { return port_.lineSettings(); }
    PortError open() override { return port_.open(); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void send(const QByteArray& bytes) override {
        sent_ += bytes.size();
        port_.send(bytes);
    }
    int inputCount() const override { return port_.inputCount(); }
    QByteArray receive() override {
        QByteArray bytes = port_.receive();
        received_ += bytes.size();
        return bytes;
    }
    void setReadLength(int length) override { port_.setReadLength(length); }
    int readLength() const override { return port_.readLength(); }

private:
    SerialPort& port_;
    qint64 sent_ = 0;
    qint64 received_ = 0;
};

} // namespace korven::bench
