#include "pty/pseudo_terminal.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#if defined(__APPLE__)
#include <util.h>
#else
#include <pty.h>
#endif

namespace korven::sim {

namespace {

struct SpeedEntry {
    speed_t code;
    int baud;
};

constexpr std::array<SpeedEntry, 8> kSpeeds{{
    {B1200, 1200},
    {B2400, 2400},
    {B4800, 4800},
    {B9600, 9600},
    {B19200, 19200},
    {B38400, 38400},
    {B57600, 57600},
    {B115200, 115200},
}};

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool addFlags(int fd, int getCommand, int setCommand, int flags) {
    const int current = fcntl(fd, getCommand);
    return current >= 0 && fcntl(fd, setCommand, current | flags) == 0;
}

// Raw: no echo, no CR/LF translation, no signals from control characters,
// every byte passed on as it comes. The line starts at 9600 baud until the
// client chooses.
bool makeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::open(QString& error) {
    int master = -1;
    int slave = -1;
    std::array<char, 256> name{};
    if (openpty(&master, &slave, name.data(), nullptr, nullptr) != 0) {
        error = systemError("cannot open a pseudo-terminal");
        return nullptr;
    }
    std::unique_ptr<PseudoTerminal> terminal(
        new PseudoTerminal(master, slave, QString::fromLocal8Bit(name.data())));
    if (!makeRaw(slave)) {
        error = systemError("cannot put the pseudo-terminal in raw mode");
        return nullptr;
    }
    if (!addFlags(master, F_GETFL, F_SETFL, O_NONBLOCK) ||
        !addFlags(master, F_GETFD, F_SETFD, FD_CLOEXEC) ||
        !addFlags(slave, F_GETFD, F_SETFD, FD_CLOEXEC)) {
        error = systemError("cannot set up the pseudo-terminal");
        return nullptr;
    }
    return terminal;
}

PseudoTerminal::PseudoTerminal(int master, int slave, QString devicePath)
    : master_(master), slave_(slave), devicePath_(std::move(devicePath)) {}

PseudoTerminal::~PseudoTerminal() {
    ::close(slave_);
    ::close(master_);
}

QByteArray PseudoTerminal::readAvailable() {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(master_, buffer.data(), buffer.size());
    if (count <= 0)
        return {};
    return QByteArray(buffer.data(), count);
}

qsizetype PseudoTerminal::write(const QByteArray& bytes) {
    const ssize_t count = ::write(master_, bytes.constData(), bytes.size());
    if (count < 0)
        return errno == EAGAIN || errno == EINTR ? 0 : -1;
    return count;
}

int PseudoTerminal::lineSpeed() const {
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0)
        return 0;
    const speed_t speed = cfgetospeed(&settings);
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.code == speed)
            return entry.baud;
    }
    return 0;
}

} // namespace korven::sim
