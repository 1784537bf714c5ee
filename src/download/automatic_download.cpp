#include "download/automatic_download.h"

#include "download/download_texts.h"
#include "link/protocol/block_numbers.h"
#include "platform/record_file.h"

namespace korven {

namespace {

AutomaticSave failedSave(AutomaticSave::Outcome outcome, const QString& file,
                         const QString& error) {
    AutomaticSave save;
    save.outcome = outcome;
    save.failedFile = file;
    save.error = error;
    return save;
}

} // namespace

AutomaticRange planAutomaticRange(int pointer, int loggerNext, bool fromStart) {
    AutomaticRange range;
    int ahead = blocksAfter(pointer, loggerNext);
    range.loggerEmpty = loggerNext == 0 && ahead <= 0;
    if (ahead < 0) {
        range.behindPointer = true;
        if (!fromStart) {
            range.first = pointer;
            range.last = pointer - 1;
            return range;
        }
        pointer = 0;
        ahead = loggerNext;
    }
    range.overwritten = std::max(ahead - kBlocksInMemory, 0);
    range.first = pointer + range.overwritten;
    range.last = pointer + ahead - 1;
    return range;
}

QString plannedDownloadText(const AutomaticRange& range) {
    QString text = download_texts::lastStoredBlock + QString::number(wrappedBlock(range.last)) +
                   u'\n' + download_texts::blocksToFetch.arg(range.count());
    if (range.overwritten > 0)
        text += u'\n' + download_texts::blocksOverwritten.arg(range.overwritten);
    return text;
}

AutomaticSave saveAutomaticDownload(Installation& installation, const BlockGrid& grid, int saved,
                                    const QString& tablePath, const QDate& today, TableWrite mode,
                                    const QList<CommittedFile>& alongside) {
    const QString& systemFilePath = installation.systemFilePath;
    SystemSetupRecords& records = installation.systemRecords;
    using Outcome = AutomaticSave::Outcome;
    const QString table = resolveCaseInsensitive(tablePath);
    QByteArray tableBytes;
    if (const BlockTableSave content = blockTableContent(
            table, grid, grid.firstBlock(), grid.firstBlock() + saved - 1, mode, tableBytes);
        !content) {
        const Outcome outcome = content.outcome == BlockTableSave::Outcome::InvalidName
                                    ? Outcome::InvalidName
                                    : Outcome::TableNotWritten;
        return failedSave(outcome, tablePath, content.error);
    }

    AutomaticSave done;
    done.nextBlock = wrappedBlock(grid.firstBlock() + saved);
    done.date = today.toString(QStringLiteral("dd/MM/yyyy"));
    Record pointer = records.downloadPointer;
    pointer.setUnsignedInteger(DownloadPointerLayout::lastBlock, done.nextBlock);
    pointer.setText(DownloadPointerLayout::lastDownloadDate, done.date);
    const RecordFile pointerFile(downloadPointerFilePath(systemFilePath),
                                 DownloadPointerLayout::recordLength);
    CommittedFile pointerCopy;
    if (FileStatus status = pointerFile.contentWith(1, {pointer.bytes()}, pointerCopy); !status)
        return failedSave(Outcome::PointerNotWritten, pointerFile.path(), status.error);

    const RecordFile directory(dataDirectoryFilePath(systemFilePath),
                               DataDirectoryLayout::recordLength);
    Record dataDirectory = records.dataDirectory;
    FileStatus status;
    if (directory.exists())
        status = directory.readExisting(1, dataDirectory);
    CommittedFile directoryCopy;
    if (status) {
        dataDirectory.setText(DataDirectoryLayout::dataFileName, table);
        status = directory.contentWith(1, {dataDirectory.bytes()}, directoryCopy);
    }
    if (!status)
        return failedSave(Outcome::DirectoryNotWritten, directory.path(), status.error);

    // The table first, the pointer after it, the data file's name last: in
    // that order, even a commit finished by the next start never counts
    // blocks that are not in a table.
    QList<CommittedFile> files{{table, tableBytes}};
    files += alongside;
    files += {pointerCopy, directoryCopy};
    if (FileStatus committed = commitFiles(saveJournalPath(systemFilePath), files); !committed) {
        const QString failed = committed.path;
        const Outcome outcome = failed == pointerFile.path() ? Outcome::PointerNotWritten
                                : failed == directory.path() ? Outcome::DirectoryNotWritten
                                : failed == table            ? Outcome::TableNotWritten
                                                             : Outcome::AlongsideNotWritten;
        return failedSave(outcome, failed.isEmpty() ? table : failed, committed.error);
    }
    records.downloadPointer = pointer;
    records.dataDirectory = dataDirectory;
    return done;
}

QString automaticSaveFailureText(const AutomaticSave& save) {
    using Outcome = AutomaticSave::Outcome;
    switch (save.outcome) {
    case Outcome::Saved:
        break;
    case Outcome::InvalidName:
        return download_texts::fileNameNotValid + u'\r' + save.failedFile + u'\r' + save.error;
    case Outcome::TableNotWritten:
        return download_texts::tableNotWritten.arg(save.failedFile, save.error) +
               download_texts::pointerUnchanged;
    case Outcome::AlongsideNotWritten:
        return download_texts::tableNotWritten.arg(save.failedFile, save.error) +
               download_texts::pointerUnchanged;
    case Outcome::DirectoryNotWritten:
    case Outcome::PointerNotWritten:
        return download_texts::sideFileNotWritten.arg(save.failedFile, save.error) +
               download_texts::pointerUnchanged;
    }
    return {};
}

} // namespace korven
