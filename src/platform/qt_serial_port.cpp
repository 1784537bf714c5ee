#include "platform/qt_serial_port.h"

namespace korven {

namespace {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 4;

std::optional<QSerialPort::Parity> parityOf(const QString& letter) {
    const QString lower = letter.toLower();
    if (lower == u"n")
        return QSerialPort::NoParity;
    if (lower == u"e")
        return QSerialPort::EvenParity;
    if (lower == u"o")
        return QSerialPort::OddParity;
    if (lower == u"m")
        return QSerialPort::MarkParity;
    if (lower == u"s")
        return QSerialPort::SpaceParity;
    return std::nullopt;
}

PortError errorFor(const QSerialPort& port) {
    const QString why = port.errorString();
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return {kInvalidPortNumber, why};
    case QSerialPort::PermissionError:
        return {QtSerialPort::kPortInUse, why};
    default:
        return {QtSerialPort::kPortFailure, why};
    }
}

} // namespace

QString serialDeviceFor(int portNumber) {
    if (portNumber < kFirstPort || portNumber > kLastPort)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const QByteArray mapped = qgetenv(QStringLiteral("KORVEN_COM%1").arg(portNumber).toLatin1());
    if (!mapped.isEmpty())
        return QString::fromLocal8Bit(mapped);
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

std::optional<LineSettings> parseLineSettings(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    bool baudOk = false;
    bool dataOk = false;
    LineSettings settings;
    settings.baud = parts[0].trimmed().toInt(&baudOk);
    const auto parity = parityOf(parts[1].trimmed());
    const int dataBits = parts[2].trimmed().toInt(&dataOk);
    const QString stopBits = parts[3].trimmed();
    if (!baudOk || settings.baud <= 0 || !parity || !dataOk || dataBits < 5 || dataBits > 8)
        return std::nullopt;
    settings.parity = *parity;
    settings.dataBits = static_cast<QSerialPort::DataBits>(dataBits);
    if (stopBits == u"1")
        settings.stopBits = QSerialPort::OneStop;
    else if (stopBits == u"1.5")
        settings.stopBits = QSerialPort::OneAndHalfStop;
    else if (stopBits == u"2")
        settings.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return settings;
}

QtSerialPort::QtSerialPort() {
    // A device that went away (an adapter pulled out, a simulator stopped)
    // keeps failing every read, and the notifier would wake every wait at
    // once for as long as it lasts. The port is let go instead; the waits then
    // idle until their own limits. Queued, so the port is not closed inside
    // its own notification.
    QObject::connect(
        &port_, &QSerialPort::errorOccurred, &port_,
        [this](QSerialPort::SerialPortError error) {
            if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError)
                port_.close();
        },
        Qt::QueuedConnection);
}

void QtSerialPort::setLineSettings(const QString& settings) {
    if (!parseLineSettings(settings))
        return;
    lineSettings_ = settings;
    if (port_.isOpen())
        applyLineSettings();
}

PortError QtSerialPort::open() {
    if (isOpen())
        return {kPortInUse, QStringLiteral("The port is already open")};
    const QString device = device_.isEmpty() ? serialDeviceFor(portNumber_) : device_;
    if (device.isEmpty())
        return {kInvalidPortNumber, QStringLiteral("There is no COM %1").arg(portNumber_)};
    if (port_.isOpen() && port_.portName() == device) {
        applyLineSettings();
        port_.clear();
        inUse_ = true;
        return {};
    }
    port_.close();
    port_.setPortName(device);
    // A pseudo-terminal refuses unbuffered mode, so the port is opened the
    // plain way; replies are polled through the input count anyway.
    if (!port_.open(QIODevice::ReadWrite))
        return errorFor(port_);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    applyLineSettings();
    // Bytes that reached the device while nobody listened are not a reply.
    port_.clear();
    inUse_ = true;
    return {};
}

void QtSerialPort::close() {
    if (!isOpen())
        return;
    inUse_ = false;
    // Whatever is still queued goes out before the device is let go.
    port_.flush();
    if (!held_)
        port_.close();
}

void QtSerialPort::send(const QByteArray& bytes) {
    if (!isOpen())
        return;
    port_.write(bytes);
    // Hand the bytes to the driver now rather than at the next event, so a
    // burst leaves as one write and nothing is lost when the port is closed
    // right after.
    port_.flush();
}

int QtSerialPort::inputCount() const {
    return isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

QByteArray QtSerialPort::receive() {
    if (!isOpen())
        return {};
    return readLength_ > 0 ? port_.read(readLength_) : port_.readAll();
}

void QtSerialPort::applyLineSettings() {
    const auto settings = parseLineSettings(lineSettings_);
    port_.setBaudRate(settings->baud);
    port_.setParity(settings->parity);
    port_.setDataBits(settings->dataBits);
    port_.setStopBits(settings->stopBits);
}

} // namespace korven
