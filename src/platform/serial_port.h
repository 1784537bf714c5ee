#pragma once

#include <QByteArray>
#include <QString>

namespace korven {

// The serial control's error for a port number that does not exist.
inline constexpr int kInvalidPortNumber = 8002;

struct PortError {
    int code = 0; // 0 when there is no error
    QString text;

    explicit operator bool() const { return code != 0; }
};

// The one serial port of the program, with exactly the operations the logger
// link relies on. Bytes are bytes: every value 0-255 goes out as one byte.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // 1 to 4 (COM 1 to COM 4); set only while the port is closed.
    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // "2400,n,8,2", "4800,n,8,2" or "9600,n,8,2".
    virtual void setLineSettings(const QString& settings) = 0;
    virtual QString lineSettings() const = 0;

    virtual PortError open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void send(const QByteArray& bytes) = 0;
    // Number of received bytes waiting.
    virtual int inputCount() const = 0;
    // Returns and removes what is waiting: everything when the read length is
    // 0, else at most that many bytes.
    virtual QByteArray receive() = 0;
    virtual void setReadLength(int length) = 0;
    virtual int readLength() const = 0;
};

} // namespace korven
