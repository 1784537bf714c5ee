#pragma once

#include "download/block_grid.h"
#include "download/block_table_file.h"
#include "system_setup/installation.h"

#include <QDate>
#include <QString>

namespace korven {

// The blocks an automatic download fetches: from the download pointer (the
// first block not downloaded yet) to the last block the logger has stored.
struct AutomaticRange {
    int first = 0;
    int last = -1;

    bool nothingNew() const { return first > last; }
    int count() const { return nothingNew() ? 0 : last - first + 1; }
};

// The information line of the first screen: the last stored block and how
// many blocks will be fetched, on two lines.
QString plannedDownloadText(const AutomaticRange& range);

struct AutomaticSave {
    enum class Outcome {
        Saved,
        InvalidName,     // the table file could not be created
        TableNotWritten, // the table file could not be written
        DirectoryNotWritten,
        PointerNotWritten,
    };
    Outcome outcome = Outcome::Saved;
    QString failedFile;
    QString error;
    int nextBlock = 0;
    QString date; // "dd/mm/yyyy"

    explicit operator bool() const { return outcome == Outcome::Saved; }
};

// Saves the first `saved` blocks of the grid as the table at `tablePath`,
// then records the table's path in the data-directory file and moves the
// download pointer past the saved blocks with `today`'s date. Each step runs
// only when the one before succeeded: the pointer never moves past blocks
// that are not safely on disk. The records are the installation's shared
// in-memory copies; the download pointer is the one read when the download
// began.
AutomaticSave saveAutomaticDownload(Installation& installation, const BlockGrid& grid, int saved,
                                    const QString& tablePath, const QDate& today);

// The message that tells the user what went wrong with a save.
QString automaticSaveFailureText(const AutomaticSave& save);

} // namespace korven
