#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

namespace korven {

struct Session;

// The clock panel: three blanks, the date as dd/mm/yyyy, four blanks, the
// time as hh:mm:ss.
QString clockText(const QDateTime& now);

// What the main window's 200 ms timer does: shows the clock and counts the
// seconds modulo 30 in the session, one step each time the time of day shown
// changes.
class StatusClock {
public:
    explicit StatusClock(Session& session) : session_(session) {}

    void tick(const QDateTime& now);

private:
    Session& session_;
    QTime lastSecond_;
};

} // namespace korven
