#include "pty/stop_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace korven::sim {

namespace {

constexpr std::array<int, 2> kStopSignals{SIGINT, SIGTERM};

// The handler may only touch this and call write().
volatile sig_atomic_t wakeDescriptor = -1;

extern "C" void noteStop(int) {
    const int savedErrno = errno;
    const char byte = 's';
    [[maybe_unused]] const ssize_t written = ::write(wakeDescriptor, &byte, 1);
    errno = savedErrno;
}

bool setFlags(int fd) {
    return fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

} // namespace

std::unique_ptr<StopSignals> StopSignals::install(QString& error) {
    const auto refuse = [&error](const char* what) {
        error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                             QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    };
    std::array<int, 2> ends{};
    if (pipe(ends.data()) != 0)
        return refuse("cannot create a pipe");
    std::unique_ptr<StopSignals> stop(new StopSignals(ends[0], ends[1]));
    if (!setFlags(ends[0]) || !setFlags(ends[1]))
        return refuse("cannot set up the pipe");
    wakeDescriptor = ends[1];
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    for (int signal : kStopSignals) {
        if (sigaction(signal, &action, nullptr) != 0)
            return refuse("cannot catch stop signals");
    }
    return stop;
}

StopSignals::StopSignals(int readEnd, int writeEnd) : readEnd_(readEnd), writeEnd_(writeEnd) {}

StopSignals::~StopSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kStopSignals)
        sigaction(signal, &action, nullptr);
    wakeDescriptor = -1;
    ::close(readEnd_);
    ::close(writeEnd_);
}

} // namespace korven::sim
