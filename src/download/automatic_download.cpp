#include "download/automatic_download.h"

#include "download/download_texts.h"
#include "link/transmission.h"
#include "platform/record_file.h"

namespace korven {

namespace {

constexpr int kLimitSeconds = 5;
constexpr int kStatusReplyLength = 47;

AutomaticSave failedSave(AutomaticSave::Outcome outcome, const QString& file,
                         const QString& error) {
    AutomaticSave save;
    save.outcome = outcome;
    save.failedFile = file;
    save.error = error;
    return save;
}

} // namespace

std::optional<int> lastStoredBlockOf(QByteArrayView statusReply) {
    const auto next = lastBlockOf(statusReply);
    if (!next)
        return std::nullopt;
    return *next - 1;
}

LastBlockQuery queryLastStoredBlock(Conversation& conversation) {
    conversation.port().setReadLength(0);
    conversation.resetSeconds();
    conversation.sendAddress(0);
    switch (conversation.awaitInput(1, kLimitSeconds)) {
    case LinkStatus::Ok:
        break;
    case LinkStatus::Stopped:
        return {QueryEnd::Stopped};
    default:
        return {QueryEnd::NoAnswer};
    }
    if (conversation.receive() != "!")
        return {QueryEnd::WrongAnswer};

    const Reply reply = conversation.exchange("j", kStatusReplyLength, kLimitSeconds);
    if (reply.status == LinkStatus::Stopped)
        return {QueryEnd::Stopped};
    if (reply.status != LinkStatus::Ok)
        return {QueryEnd::NoAnswer};
    conversation.closePort();
    conversation.openPort();

    const auto last = lastStoredBlockOf(reply.bytes);
    if (!last)
        return {QueryEnd::Malformed};
    return {QueryEnd::Ok, *last};
}

QString plannedDownloadText(const AutomaticRange& range) {
    return QString::fromUtf8(download_texts::lastStoredBlock) + QString::number(range.last) +
           u'\n' + QString::fromUtf8(download_texts::blocksToFetch).arg(range.count());
}

AutomaticSave saveAutomaticDownload(const QString& systemFilePath, SystemSetupRecords& records,
                                    const BlockGrid& grid, int saved, const QString& tablePath,
                                    const QDate& today) {
    using Outcome = AutomaticSave::Outcome;
    const BlockTableSave table =
        saveBlockTable(tablePath, grid, grid.firstBlock(), grid.firstBlock() + saved - 1);
    if (!table) {
        const Outcome outcome = table.outcome == BlockTableSave::Outcome::InvalidName
                                    ? Outcome::InvalidName
                                    : Outcome::TableNotWritten;
        return failedSave(outcome, tablePath, table.error);
    }

    // The shared records take the new values only once their file holds them.
    const RecordFile directory(dataDirectoryFilePath(systemFilePath),
                               DataDirectoryLayout::recordLength);
    Record dataDirectory = records.dataDirectory;
    if (directory.exists()) {
        if (FileStatus status = directory.readExisting(1, dataDirectory); !status)
            return failedSave(Outcome::DirectoryNotWritten, directory.path(), status.error);
    }
    dataDirectory.setText(DataDirectoryLayout::dataFileName, tablePath);
    if (FileStatus status = directory.writeRecords(1, {dataDirectory.bytes()}); !status)
        return failedSave(Outcome::DirectoryNotWritten, directory.path(), status.error);
    records.dataDirectory = dataDirectory;

    AutomaticSave done;
    done.nextBlock = grid.firstBlock() + saved;
    done.date = today.toString(QStringLiteral("dd/MM/yyyy"));
    Record pointer = records.downloadPointer;
    pointer.setInteger(DownloadPointerLayout::lastBlock, static_cast<qint16>(done.nextBlock));
    pointer.setText(DownloadPointerLayout::lastDownloadDate, done.date);
    const RecordFile pointerFile(downloadPointerFilePath(systemFilePath),
                                 DownloadPointerLayout::recordLength);
    if (FileStatus status = pointerFile.writeRecords(1, {pointer.bytes()}); !status)
        return failedSave(Outcome::PointerNotWritten, pointerFile.path(), status.error);
    records.downloadPointer = pointer;
    return done;
}

QString automaticSaveFailureText(const AutomaticSave& save) {
    using Outcome = AutomaticSave::Outcome;
    switch (save.outcome) {
    case Outcome::Saved:
        break;
    case Outcome::InvalidName:
        return QString::fromUtf8(download_texts::fileNameNotValid);
    case Outcome::TableNotWritten:
        return QString::fromUtf8(download_texts::tableNotWritten).arg(save.failedFile, save.error) +
               QString::fromUtf8(download_texts::pointerUnchanged);
    case Outcome::DirectoryNotWritten:
    case Outcome::PointerNotWritten:
        return QString::fromUtf8(download_texts::sideFileNotWritten)
                   .arg(save.failedFile, save.error) +
               QString::fromUtf8(download_texts::pointerUnchanged);
    }
    return {};
}

} // namespace korven
