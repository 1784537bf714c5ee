#include "download/automatic_download.h"

#include "download/download_texts.h"
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

QString plannedDownloadText(const AutomaticRange& range) {
    return download_texts::lastStoredBlock + QString::number(range.last) + u'\n' +
           download_texts::blocksToFetch.arg(range.count());
}

AutomaticSave saveAutomaticDownload(Installation& installation, const BlockGrid& grid, int saved,
                                    const QString& tablePath, const QDate& today) {
    const QString& systemFilePath = installation.systemFilePath;
    SystemSetupRecords& records = installation.systemRecords;
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
        return download_texts::fileNameNotValid;
    case Outcome::TableNotWritten:
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
