#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace korven {

// How far a download has come: blocks fetched, blocks in all, and the time
// the fetched ones took.
struct DownloadProgress {
    int done = 0;
    int total = 0;
    qint64 elapsedMs = 0;

    int toGo() const { return total - done; }
    // The time the remaining blocks will take at the pace so far, rounded up
    // to whole seconds; unknown before the first block is in.
    std::optional<int> secondsLeft() const;
};

// "m:ss", or "h:mm:ss" from an hour on.
QString durationText(int seconds);

// The line the screens show beside their progress bar.
QString progressText(const DownloadProgress& progress);

} // namespace korven
