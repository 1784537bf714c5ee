// Fetching blocks from a woken logger, and the progress it shows.
#include "download/block_fetch.h"
#include "download/download_progress.h"
#include "link/wake_logger.h"

#include "download/download_rig.h"
#include "link/link_texts.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::DownloadRig;

// A woken logger and the blocks a fetch hands over.
struct FetchRig : DownloadRig {
    explicit FetchRig(sim::LoggerConfig config = test::loggerWith(600)) : DownloadRig(config) {
        conversation.emplace(std::move(*session.link.startConversation()));
        EXPECT_EQ(wakeLogger(*conversation), LinkStatus::Ok);
    }

    FetchResult fetch(int first, int last, int extraAttempts = 0) {
        FetchRequest request;
        request.first = first;
        request.last = last;
        request.extraAttempts = extraAttempts;
        request.onBlock = [this](int block, const BlockText& text) {
            blocks.append(block);
            texts.append(text);
        };
        request.onProgress = [this](const DownloadProgress& progress) {
            progress.done == 0 ? void(totals.append(progress.total))
                               : void(done.append(progress.done));
        };
        return fetchBlocks(*conversation, request);
    }

    std::optional<Conversation> conversation;
    QList<int> blocks;
    QList<BlockText> texts;
    QList<int> totals;
    QList<int> done;
};

// A logger may end every byte of a block with a separator, the last one too.
TEST(FetchBlocks, AsksForEachBlockInTurnAtTheSpeedOfTheLineAndHandsOverItsText) {
    for (const bool separatorAfterLast : {false, true}) {
        SCOPED_TRACE(separatorAfterLast);
        sim::LoggerConfig config = test::loggerWith(600);
        config.blockForm = {separatorAfterLast ? ',' : ' ', separatorAfterLast};
        FetchRig rig(config);
        const qsizetype sentBefore = rig.port.sent().size();
        const qint64 startMs = rig.clock.nowMs();

        const FetchResult result = rig.fetch(598, 599);
        // About 111 ms of line a block plus the logger's moment: no pause of our own.
        EXPECT_LT(rig.clock.nowMs() - startMs, 2 * 140);
        EXPECT_EQ(result.end, FetchEnd::Complete);
        EXPECT_EQ(result.fetched, 2);
        EXPECT_EQ(rig.port.sent().mid(sentBefore), "\x80S256\r\x80S257\r");
        EXPECT_EQ(rig.blocks, QList<int>({598, 599}));
        EXPECT_EQ(rig.texts[0].date, "05/03/24");
        EXPECT_EQ(rig.texts[0].time, "11:50:00");
        EXPECT_EQ(rig.texts[1].time, "12:00:00");
        EXPECT_EQ(rig.totals, QList<int>({2}));
        EXPECT_EQ(rig.done, QList<int>({1, 2}));
        EXPECT_TRUE(rig.prompter.texts().isEmpty());
    }
}

TEST(FetchBlocks, StopsAtTheFirstDamagedReplyUnlessAskedToTryAgain) {
    for (const int extraAttempts : {0, 2}) {
        SCOPED_TRACE(extraAttempts);
        FetchRig rig;
        rig.faults().corruptEveryNth = 151; // a digit of block 1's reply
        const FetchResult result = rig.fetch(10, 13, extraAttempts);
        EXPECT_EQ(result.end, extraAttempts ? FetchEnd::Complete : FetchEnd::TransmissionError);
        EXPECT_EQ(rig.blocks, extraAttempts ? QList<int>({10, 11, 12, 13}) : QList<int>({10}));
        EXPECT_EQ(result.fetched, rig.blocks.size());
        const QList<QByteArray> requests = rig.blockRequests();
        EXPECT_GT(requests.size(), rig.blocks.size());
        for (const char* block : {"S00A", "S00B", "S00C", "S00D"})
            EXPECT_LE(requests.count(block), 1 + extraAttempts) << block;
        reportFetchFailure(*rig.conversation, result.end);
        EXPECT_EQ(rig.prompter.texts(),
                  extraAttempts ? QStringList() : QStringList{link_texts::transmissionError});
    }
}

TEST(FetchBlocks, AReplyCutShortIsAskedForTwoMoreTimesAtMost) {
    FetchRig rig;
    rig.faults().cutRepliesTo = 50;
    const FetchResult result = rig.fetch(10, 12, 2);
    EXPECT_EQ(result.end, FetchEnd::NotConnected);
    EXPECT_EQ(result.fetched, 0);
    EXPECT_EQ(rig.blockRequests(), QList<QByteArray>({"S00A", "S00A", "S00A"}));
}

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
