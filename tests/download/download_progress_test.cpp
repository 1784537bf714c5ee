#include "download/download_progress.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(DownloadProgress, EstimatesTheTimeLeftAtThePaceSoFar) {
    EXPECT_FALSE((DownloadProgress{0, 500, 0}.secondsLeft()));
    EXPECT_EQ((DownloadProgress{10, 100, 13000}.secondsLeft()), 117);
    EXPECT_EQ((DownloadProgress{1, 4, 1000}.secondsLeft()), 3);
    EXPECT_EQ((DownloadProgress{3, 4, 1000}.secondsLeft()), 1); // 333 ms, rounded up
    EXPECT_EQ((DownloadProgress{4, 4, 1000}.secondsLeft()), 0);
}

TEST(DownloadProgress, ShowsBlocksDoneBlocksToGoAndTimeLeft) {
    EXPECT_EQ(durationText(59), "0:59");
    EXPECT_EQ(durationText(117), "1:57");
    EXPECT_EQ(durationText(3725), "1:02:05");
    EXPECT_EQ(progressText({10, 100, 13000}),
              "Blocchi scaricati: 10   Da scaricare: 90   Tempo rimanente: 1:57");
    EXPECT_EQ(progressText({0, 100, 0}),
              "Blocchi scaricati: 0   Da scaricare: 100   Tempo rimanente: --:--");
}

} // namespace
} // namespace korven
