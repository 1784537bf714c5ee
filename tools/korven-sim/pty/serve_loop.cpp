#include "pty/serve_loop.h"

#include "pty/command_line.h"
#include "pty/event_log.h"
#include "pty/pseudo_terminal.h"
#include "pty/setup_file.h"
#include "sim/hayes_modem.h"
#include "sim/line_pacer.h"
#include "sim/logger_brain.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <poll.h>

namespace korven::sim {

namespace {

using Clock = LinePacer::Clock;

// Milliseconds poll() may sleep before `due`, rounded up so that it never
// wakes too early; -1 (no limit) when nothing is due.
int pollTimeout(const std::optional<Clock::time_point>& due) {
    if (!due)
        return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Clock::now());
    return wait.count() > 0 ? static_cast<int>(wait.count()) : 0;
}

std::optional<Clock::time_point> earliest(std::optional<Clock::time_point> a,
                                          std::optional<Clock::time_point> b) {
    if (a && b)
        return std::min(*a, *b);
    return a ? a : b;
}

class Server {
public:
    Server(PseudoTerminal& terminal, FarEnd farEnd, const ServeOptions& options)
        : terminal_(terminal), farEnd_(farEnd), options_(options) {}

    int run(int stopDescriptor) {
        updateSetupFile();
        for (;;) {
            takeModemDue();
            if (!sendDue())
                return failure("cannot write to the pseudo-terminal");
            std::array<pollfd, 2> watched{{
                {terminal_.descriptor(), short(POLLIN | (unsent_.isEmpty() ? 0 : POLLOUT)), 0},
                {stopDescriptor, POLLIN, 0},
            }};
            // Unsent bytes wait for room in the line, not for a time.
            const auto paced = unsent_.isEmpty() ? pacer_.nextDue() : std::nullopt;
            if (poll(watched.data(), watched.size(), pollTimeout(earliest(paced, modemDue()))) <
                0) {
                if (errno == EINTR)
                    continue;
                return failure("poll failed");
            }
            if (watched[1].revents != 0)
                return 0;
            if (watched[0].revents & (POLLERR | POLLNVAL))
                return failure("the pseudo-terminal failed");
            if (watched[0].revents & POLLIN)
                receive();
        }
    }

private:
    void receive() {
        const QByteArray bytes = terminal_.readAvailable();
        if (bytes.isEmpty())
            return;
        const Clock::time_point arrived = Clock::now();
        if (options_.verbose)
            logLine("<- " + bytes.toHex(' ').toUpper());
        schedule(farEnd_.modem ? farEnd_.modem->receive(bytes) : farEnd_.logger.receive(bytes),
                 arrived);
        updateSetupFile();
    }

    // The modem's own timed output: CONNECT after the call time, OK after
    // the escape's guard time.
    void takeModemDue() {
        if (farEnd_.modem && modemDue() && *modemDue() <= Clock::now())
            schedule(farEnd_.modem->takeDue(), Clock::now());
    }

    std::optional<Clock::time_point> modemDue() const {
        if (!farEnd_.modem)
            return std::nullopt;
        const auto due = farEnd_.modem->nextDueMs();
        if (!due)
            return std::nullopt;
        return Clock::time_point(std::chrono::milliseconds(*due));
    }

    void schedule(const QList<Emission>& emissions, Clock::time_point from) {
        const LinePacer::Duration perCharacter =
            options_.throttle ? LinePacer::characterTime(terminal_.lineSpeed())
                              : LinePacer::Duration::zero();
        for (const Emission& emission : emissions)
            pacer_.schedule(emission.bytes, from + std::chrono::milliseconds(emission.delayMs),
                            perCharacter);
    }

    bool sendDue() {
        unsent_ += pacer_.takeDue(Clock::now());
        if (unsent_.isEmpty())
            return true;
        const qsizetype written = terminal_.write(unsent_);
        if (written < 0)
            return false;
        if (options_.verbose && written > 0)
            logLine("-> " + unsent_.left(written).toHex(' ').toUpper());
        unsent_.remove(0, written);
        return true;
    }

    void updateSetupFile() {
        if (farEnd_.setupFile && !farEnd_.setupFile->update(farEnd_.logger))
            logLine("cannot write " + options_.setupDumpPath.toLocal8Bit());
    }

    int failure(const char* what) {
        std::fprintf(stderr, "korven-sim: %s: %s\n", what, std::strerror(errno));
        return 1;
    }

    PseudoTerminal& terminal_;
    FarEnd farEnd_;
    const ServeOptions& options_;
    LinePacer pacer_;
    QByteArray unsent_;
};

} // namespace

int serve(PseudoTerminal& terminal, FarEnd farEnd, const ServeOptions& options,
          int stopDescriptor) {
    return Server(terminal, farEnd, options).run(stopDescriptor);
}

} // namespace korven::sim
