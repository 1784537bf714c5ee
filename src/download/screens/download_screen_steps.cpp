#include "download/screens/download_screen_steps.h"

#include "download/block_csv.h"
#include "download/download_texts.h"
#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "link/link_texts.h"
#include "session/session.h"

#include <QFileInfo>
#include <QLabel>

namespace korven {

namespace texts = download_texts;

DownloadObserver screenObserver(Session& session, BlockGridView& view,
                                DownloadProgressBar& progress) {
    return {[&view](int block) { view.showBlock(block); },
            [&progress](const DownloadProgress& pace) { progress.showProgress(pace); },
            [&session] { session.halfMinuteTicks = 0; }};
}

void reportPortFailure(Session& session, const PortError& error) {
    session.prompter.message(link_texts::portErrorText(error), MessageIcon::Critical);
}

std::optional<QString> chooseSaveFile(Session& session, const QString& filter,
                                      const QString& extension) {
    const QString folder =
        session.lastSaveFolder.isEmpty() ? session.programFolder : session.lastSaveFolder;
    std::optional<QString> path = session.files.chooseSaveFile({folder, filter, extension});
    if (!path || path->isEmpty())
        return std::nullopt;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += (path->endsWith(u'.') ? QString() : QStringLiteral(".")) + extension;
    session.lastSaveFolder = QFileInfo(*path).absolutePath();
    return path;
}

void exportCsv(Session& session, const BlockGrid& grid, int first, int last,
               const RecordedChannels& channels, QLabel& report) {
    if (rowsWithData(grid, first, last).isEmpty()) {
        session.prompter.message(texts::nothingToExport, MessageIcon::Exclamation);
        return;
    }
    const auto path = chooseSaveFile(session, texts::csvFilter, texts::csvExtension);
    if (!path)
        return;
    const CsvExport written = exportBlockCsv(*path, grid, first, last, channels);
    if (!written) {
        session.prompter.message(texts::tableNotWritten.arg(*path, written.error),
                                 MessageIcon::Critical);
        return;
    }
    report.setText(texts::csvExported.arg(written.blocks).arg(*path));
}

void archiveRange(Session& session, const BlockGrid& grid, int first, int last) {
    QList<QStringList> rows;
    for (const int row : rowsWithData(grid, first, last))
        rows.append(grid.rowCells(row));
    if (session.archiveBlocks)
        session.archiveBlocks(rows);
}

} // namespace korven
