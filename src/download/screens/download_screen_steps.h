#pragma once

#include "download/download_job.h"

#include <QString>

#include <optional>

class QLabel;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// What a download screen shows while its job fetches: each new row brought
// into view, the pace on the progress bar, and the status-bar clock told that
// the logger is heard.
DownloadObserver screenObserver(Session& session, BlockGridView& view,
                                DownloadProgressBar& progress);

// Tells the user why the port would not open, as every screen that opens it
// does.
void reportPortFailure(Session& session, const PortError& error);

// The save dialog of the download screens: it opens in the folder last saved
// into during this run (the program folder at first), offers `filter`, and a
// name typed without an extension gets `extension`. Empty when cancelled.
std::optional<QString> chooseSaveFile(Session& session, const QString& filter,
                                      const QString& extension);

// "Salva in archivio": the rows of blocks `first` to `last` that hold a
// fetched block go to the session's archive.
void archiveRange(Session& session, const BlockGrid& grid, int first, int last);

// "Esporta CSV": blocks `first` to `last` of the grid as a CSV file the user
// names; `report` then says how many blocks went to which file.
void exportCsv(Session& session, const BlockGrid& grid, int first, int last,
               const RecordedChannels& channels, QLabel& report);

} // namespace korven
