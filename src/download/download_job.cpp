#include "download/download_job.h"

#include "download/download_setup.h"
#include "link/last_block_query.h"

namespace korven {

FileStatus DownloadJob::readSetup(bool automatic) {
    FileStatus status = readPortSettings();
    if (status)
        status = readDigitalInputs();
    if (status)
        status = readChannels();
    if (status && automatic)
        status = readDownloadPointer();
    return status;
}

FileStatus DownloadJob::readPortSettings() {
    return korven::readPortSettings(installation_, port_);
}

FileStatus DownloadJob::readDigitalInputs() {
    return readDigitalInputFlags(installation_, digitalInputs_);
}

FileStatus DownloadJob::readChannels() {
    return readRecordedChannels(installation_, channels_);
}

FileStatus DownloadJob::readDownloadPointer() {
    return korven::readDownloadPointer(installation_, downloadPointer_);
}

FileStatus DownloadJob::lockInstallation() {
    lock_ = std::make_unique<ProcessLock>(installationLockPath(installation_.systemFilePath));
    return lock_->take();
}

std::optional<LockHolder> DownloadJob::lockHolder() const {
    return lock_ ? lock_->holder() : std::nullopt;
}

LinkStatus DownloadJob::wake() {
    return logger_.wake(port_);
}

RangeQuery DownloadJob::queryRange(bool fromStart) {
    auto conversation = link_.startConversation();
    if (!conversation)
        return {LinkStatus::Busy, {}, 0};
    const LastBlockQuery query = queryLastBlock(*conversation, 0, true);
    switch (query.status) {
    case LinkStatus::Ok:
        return {LinkStatus::Ok, planAutomaticRange(downloadPointer_, query.nextBlock, fromStart),
                query.nextBlock};
    case LinkStatus::BadReply:
        // The logger is there but its answer cannot be trusted: it is put back
        // into scanning when the user leaves.
        link_.reporter().failure(LinkFailure::TransmissionError);
        break;
    case LinkStatus::WrongAnswer:
        break;
    case LinkStatus::Stopped:
        conversation->markLinkFailed();
        break;
    default:
        link_.reporter().failure(LinkFailure::NotConnected);
        conversation->markLinkFailed();
        break;
    }
    return {query.status, {}, 0};
}

FetchResult DownloadJob::fetch(int first, int last, BlockGrid& grid, int extraAttempts,
                               const DownloadObserver& observer) {
    auto conversation = link_.startConversation();
    if (!conversation)
        return {FetchEnd::Stopped, 0};
    link_.reporter().busy(true);
    FetchRequest request;
    request.first = first;
    request.last = last;
    request.extraAttempts = extraAttempts;
    request.onBlock = [&](int block, const BlockText& text) {
        grid.fillBlockRow(block, text, digitalInputs_);
        if (observer.blockFilled)
            observer.blockFilled(block);
    };
    request.onProgress = observer.progress;
    request.heardFromLogger = observer.heardFromLogger;
    request.stopWanted = observer.stopWanted;
    const FetchResult result = fetchBlocks(*conversation, request);
    reportFetchFailure(*conversation, result.end);
    link_.state().linkAborted = false;
    conversation->closePort();
    link_.reporter().busy(false);
    return result;
}

AutomaticSave DownloadJob::saveAutomatic(const BlockGrid& grid, int count, const QString& tablePath,
                                         const QDate& today, TableWrite mode,
                                         const QList<CommittedFile>& alongside) {
    return saveAutomaticDownload(installation_, grid, count, tablePath, today, mode, alongside);
}

LinkStatus DownloadJob::resume() {
    return logger_.resume(installation_);
}

} // namespace korven
