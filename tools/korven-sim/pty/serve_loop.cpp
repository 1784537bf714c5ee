#include "pty/serve_loop.h"

#include "pty/command_line.h"
#include "pty/pseudo_terminal.h"
#include "sim/line_pacer.h"
#include "sim/logger_brain.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <poll.h>

namespace korven::sim {

namespace {

using Clock = LinePacer::Clock;

void log(const char* what, const QByteArray& text) {
    std::fprintf(stderr, "korven-sim: %s %s\n", what, text.constData());
}

// Milliseconds poll() may sleep before `due`, rounded up so that it never
// wakes too early; -1 (no limit) when nothing is due.
int pollTimeout(const std::optional<Clock::time_point>& due) {
    if (!due)
        return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Clock::now());
    return wait.count() > 0 ? static_cast<int>(wait.count()) : 0;
}

class Server {
public:
    Server(PseudoTerminal& terminal, LoggerBrain& brain, const ServeOptions& options)
        : terminal_(terminal), brain_(brain), options_(options) {}

    int run(int stopDescriptor) {
        for (;;) {
            if (!sendDue())
                return failure("cannot write to the pseudo-terminal");
            std::array<pollfd, 2> watched{{
                {terminal_.descriptor(), short(POLLIN | (unsent_.isEmpty() ? 0 : POLLOUT)), 0},
                {stopDescriptor, POLLIN, 0},
            }};
            // Unsent bytes wait for room in the line, not for a time.
            const int timeout = unsent_.isEmpty() ? pollTimeout(pacer_.nextDue()) : -1;
            if (poll(watched.data(), watched.size(), timeout) < 0) {
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
        const qsizetype commandsBefore = brain_.commands().size();
        const QList<Emission> emissions = brain_.receive(bytes);
        if (options_.verbose) {
            log("<-", bytes.toHex(' ').toUpper());
            const QList<QByteArray> commands = brain_.commands();
            for (qsizetype i = commandsBefore; i < commands.size(); ++i)
                log("command", commands.at(i));
        }
        const LinePacer::Duration perCharacter =
            options_.throttle ? LinePacer::characterTime(terminal_.lineSpeed())
                              : LinePacer::Duration::zero();
        for (const Emission& emission : emissions)
            pacer_.schedule(emission.bytes, arrived + std::chrono::milliseconds(emission.delayMs),
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
            log("->", unsent_.left(written).toHex(' ').toUpper());
        unsent_.remove(0, written);
        return true;
    }

    int failure(const char* what) {
        std::fprintf(stderr, "korven-sim: %s: %s\n", what, std::strerror(errno));
        return 1;
    }

    PseudoTerminal& terminal_;
    LoggerBrain& brain_;
    const ServeOptions& options_;
    LinePacer pacer_;
    QByteArray unsent_;
};

} // namespace

int serve(PseudoTerminal& terminal, LoggerBrain& brain, const ServeOptions& options,
          int stopDescriptor) {
    return Server(terminal, brain, options).run(stopDescriptor);
}

} // namespace korven::sim
