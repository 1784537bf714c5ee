#pragma once

#include <QByteArray>

#include <chrono>
#include <deque>
#include <optional>

namespace korven::sim {

// Lets replies leave no faster than a serial line would carry them. A pty
// hands over any amount of bytes at once; a real line at 9600 baud needs
// about 1.1 ms per character, and the program's time limits were written for
// that. Replies queue up in order: one starts when it is due and the line is
// free, and its character k leaves k character times after that start.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::nanoseconds;

    // A character of 8 data bits with a start and two stop bits.
    static constexpr int kBitsPerCharacter = 11;
    // Rounded up, so a character never leaves early; zero for no pacing.
    static Duration characterTime(int baud);

    // Queues `bytes` to go out from `due` on, `perCharacter` apart (zero
    // sends them all at once).
    void schedule(const QByteArray& bytes, Clock::time_point due, Duration perCharacter);
    // Takes the bytes whose time has come.
    QByteArray takeDue(Clock::time_point now);
    // When the next byte may leave; nothing when the queue is empty.
    std::optional<Clock::time_point> nextDue() const;

private:
    struct Reply {
        QByteArray bytes;
        Clock::time_point start;
        Duration perCharacter;
        qsizetype sent = 0;
    };

    std::deque<Reply> queue_;
    Clock::time_point lineFree_{};
};

} // namespace korven::sim
