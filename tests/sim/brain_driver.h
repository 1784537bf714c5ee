#pragma once

#include "sim/logger_brain.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

namespace korven::sim::test {

// 5 March 2024, 12:30:00: on a whole ten minutes, so the newest stored block
// carries exactly the logger's time at start.
inline QDateTime marchFifth() {
    return QDateTime(QDate(2024, 3, 5), QTime(12, 30, 0));
}

// A logger on a clock the test moves, spoken to the way the program does.
class BrainDriver {
public:
    explicit BrainDriver(LoggerConfig config = {})
        : brain(withStart(config), [this] { return now; }) {
        brain.setEventSink([this](EventTopic, const QByteArray& text) { events.append(text); });
    }

    QDateTime now = marchFifth();
    LoggerBrain brain;
    // What the logger told about itself, one line each.
    QList<QByteArray> events;

    // Everything the logger sends for `bytes`, joined.
    QByteArray send(const QByteArray& bytes) { return joined(brain.receive(bytes)); }

    // Wakes the logger if it sleeps, addresses it with 128 and sends `text`
    // with its CR. Returns what came after the handshake.
    QByteArray command(const QByteArray& text) {
        if (!brain.isAwake())
            send(QByteArray(200, '\xFF'));
        const QByteArray reply = send(QByteArray("\x80") + text + '\r');
        return reply.startsWith('!') ? reply.mid(1) : reply;
    }

    // Moves the wall clock the logger runs on.
    void wait(int seconds) { now = now.addSecs(seconds); }

    static QByteArray joined(const QList<Emission>& emissions) {
        QByteArray bytes;
        for (const Emission& emission : emissions)
            bytes += emission.bytes;
        return bytes;
    }

private:
    static LoggerConfig withStart(LoggerConfig config) {
        if (!config.clockStart.isValid())
            config.clockStart = marchFifth();
        return config;
    }
};

// The text at `position` (counted from 1, as the program counts) of `reply`.
inline QByteArray at(const QByteArray& reply, int position, int length = 2) {
    return reply.mid(position - 1, length);
}

} // namespace korven::sim::test
