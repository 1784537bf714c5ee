#pragma once

#include "download/block_grid.h"
#include "download/block_table_file.h"
#include "platform/file_commit.h"
#include "system_setup/installation.h"

#include <QDate>
#include <QString>

namespace korven {

// The blocks an automatic download fetches: from the download pointer (the
// first block not downloaded yet) to the last block the logger has stored.
// Past block 65535 the numbers run on (65536 is the logger's block 0), so the
// range stays in order; wrappedBlock() gives the logger's number.
struct AutomaticRange {
    int first = 0;
    int last = -1;
    // Blocks after the pointer that the logger has written over since: the
    // range starts after them.
    int overwritten = 0;
    // The logger's last stored block lies before the pointer: its memory was
    // cleared, or it is another logger.
    bool behindPointer = false;
    // The logger holds no block at all.
    bool loggerEmpty = false;

    bool nothingNew() const { return first > last; }
    int count() const { return nothingNew() ? 0 : last - first + 1; }
};

// The range from the download `pointer` to the block before `loggerNext`, the
// one the logger will write next: at most the newest 4096 blocks, which are
// all its memory holds. A logger behind the pointer gives no range, or with
// `fromStart` the blocks from its block 0.
AutomaticRange planAutomaticRange(int pointer, int loggerNext, bool fromStart);

// The information line of the first screen: the last stored block and how
// many blocks will be fetched, on two lines, and a third for blocks that the
// logger has written over.
QString plannedDownloadText(const AutomaticRange& range);

struct AutomaticSave {
    enum class Outcome {
        Saved,
        InvalidName,     // the table file could not be created
        TableNotWritten, // the table file could not be written
        DirectoryNotWritten,
        PointerNotWritten,
        AlongsideNotWritten, // a file saved with the table (the CSV) could not be written
    };
    Outcome outcome = Outcome::Saved;
    QString failedFile;
    QString error;
    int nextBlock = 0;
    QString date; // "dd/mm/yyyy"

    // Saved, and only then: on any failure no file changed and the download
    // pointer stands where it stood.
    explicit operator bool() const { return outcome == Outcome::Saved; }
};

// Saves the first `saved` blocks of the grid as the table at `tablePath`,
// moves the download pointer past them with `today`'s date and records the
// table's path in the data-directory file, together with the `alongside`
// files (a CSV of the same blocks), as one commit (commitFiles()): all of
// them, or none, even when the process is killed in the middle. The records
// are the installation's shared in-memory copies, which take the new values
// only once the files hold them; the download pointer is the one read when
// the download began.
AutomaticSave saveAutomaticDownload(Installation& installation, const BlockGrid& grid, int saved,
                                    const QString& tablePath, const QDate& today,
                                    TableWrite mode = TableWrite::Replace,
                                    const QList<CommittedFile>& alongside = {});

// The message that tells the user what went wrong with a save.
QString automaticSaveFailureText(const AutomaticSave& save);

} // namespace korven
