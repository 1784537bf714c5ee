#include "shell/status_clock.h"

#include "session/session.h"

namespace korven {

namespace {
constexpr int kHalfMinute = 30;
}

QString clockText(const QDateTime& now) {
    return QStringLiteral("   ") + now.toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral("    ") + now.toString(QStringLiteral("hh:mm:ss"));
}

void StatusClock::tick(const QDateTime& now) {
    session_.status.setText(StatusTexts::Clock, clockText(now));
    const QTime time = now.time();
    const QTime second(time.hour(), time.minute(), time.second());
    if (second == lastSecond_)
        return;
    lastSecond_ = second;
    if (++session_.halfMinuteTicks >= kHalfMinute)
        session_.halfMinuteTicks = 0;
}

} // namespace korven
