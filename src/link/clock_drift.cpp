#include "link/clock_drift.h"

#include <cstdlib>

namespace korven {

namespace {

// The logger answers with the second it has reached: on average it is half a
// second further on.
constexpr int kHalfSecondMs = 500;
constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 60 * kMinute;
// A drift is told in the largest unit of which it makes at least two.
constexpr qint64 kAtLeast = 2;

} // namespace

std::optional<qint64> driftSeconds(const ClockReading& reading) {
    if (!reading.logger.moment.isValid() || !reading.computer.isValid())
        return std::nullopt;
    const qint64 aheadMs = reading.computer.msecsTo(reading.logger.moment) + kHalfSecondMs;
    // To the nearest second, a half towards none: a logger read just as the
    // computer's second turns is on time.
    const qint64 seconds = (std::llabs(aheadMs) + kHalfSecondMs - 1) / 1000;
    return aheadMs < 0 ? -seconds : seconds;
}

QString driftText(qint64 seconds) {
    const qint64 size = std::llabs(seconds);
    QString amount;
    if (size >= kAtLeast * kHour)
        amount = QStringLiteral("%1 h").arg(size / kHour);
    else if (size >= kAtLeast * kMinute)
        amount = QStringLiteral("%1 min").arg(size / kMinute);
    else
        amount = QStringLiteral("%1 s").arg(size);
    const QString sign = seconds > 0   ? QStringLiteral("+")
                         : seconds < 0 ? QStringLiteral("-")
                                       : QString();
    return QStringLiteral("Scarto: ") + sign + amount;
}

} // namespace korven
