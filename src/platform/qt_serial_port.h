#pragma once

#include "platform/serial_port.h"

#include <QSerialPort>

#include <optional>

namespace korven {

// The device behind COM 1 to COM 4: "COMn" on Windows; elsewhere the path in
// KORVEN_COMn when that is set (a USB adapter, a simulator's pty), else
// /dev/ttyS0 to /dev/ttyS3. Empty for any other number.
QString serialDeviceFor(int portNumber);

// A line settings text such as "9600,n,8,2", taken apart.
struct LineSettings {
    int baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::TwoStop;
};
std::optional<LineSettings> parseLineSettings(const QString& text);

// The program's serial port on QSerialPort.
class QtSerialPort : public SerialPort {
public:
    // Errors other than a missing device, in the serial control's numbering.
    static constexpr int kPortInUse = 8005;
    static constexpr int kPortFailure = 8010;

    QtSerialPort();

    void setPortNumber(int number) override { portNumber_ = number; }
    // A device to open whatever the port number, in place of the COM mapping
    // (the command line names one); empty goes back to the mapping.
    void setDevice(const QString& device) { device_ = device; }
    int portNumber() const override { return portNumber_; }
    // With `held`, the device once opened stays open (and locked against
    // other processes) until this object goes: close() only ends the
    // program's use of it, and the next open() takes it up again with fresh
    // settings and an empty input. korvenctl holds its port for the whole
    // command, so that no other process slips in between its steps.
    void holdDevice(bool held) { held_ = held; }
    // A text that is not a valid line setting leaves the current one in place.
    void setLineSettings(const QString& settings) override;
    QString lineSettings() const override { return lineSettings_; }

    PortError open() override;
    void close() override;
    bool isOpen() const override { return inUse_ && port_.isOpen(); }

    void send(const QByteArray& bytes) override;
    int inputCount() const override;
    QByteArray receive() override;
    void setReadLength(int length) override { readLength_ = length; }
    int readLength() const override { return readLength_; }

private:
    void applyLineSettings();

    QSerialPort port_;
    int portNumber_ = 1;
    QString device_;
    bool held_ = false;
    bool inUse_ = false;
    QString lineSettings_ = QStringLiteral("9600,n,8,2");
    int readLength_ = 0;
};

} // namespace korven
