#include "download/download_progress.h"

namespace korven {

std::optional<int> DownloadProgress::secondsLeft() const {
    if (done <= 0)
        return std::nullopt;
    const qint64 leftMs = elapsedMs * toGo() / done;
    return static_cast<int>((leftMs + 999) / 1000);
}

QString durationText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const QString tail = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(tail);
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}

QString progressText(const DownloadProgress& progress) {
    const auto left = progress.secondsLeft();
    return QStringLiteral("Blocchi scaricati: %1   Da scaricare: %2   Tempo rimanente: %3")
        .arg(progress.done)
        .arg(progress.toGo())
        .arg(left ? durationText(*left) : QStringLiteral("--:--"));
}

} // namespace korven
