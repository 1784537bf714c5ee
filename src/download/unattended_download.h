#pragma once

#include "download/block_grid.h"
#include "download/download_progress.h"
#include "download/download_setup.h"
#include "link/link_reporter.h"
#include "link/unattended.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace korven {

// What becomes of a table file that is already there: the run refuses it,
// adds the new lines after its own, or replaces it.
enum class ExistingTable { Refuse, Append, Overwrite };

// A download run without anyone at the screen, from a scheduler or a
// script: either a given range of blocks, or everything stored since the
// last automatic download.
struct UnattendedRequest {
    bool automatic = false;
    int from = 0; // the range, when not automatic
    int to = 0;
    QString outPath; // automatic: empty for a name of the run's time in the program folder
    QString csvPath; // the same blocks as CSV as well; empty for none
    std::function<void(const DownloadProgress&)> progress;
    ExistingTable existing = ExistingTable::Refuse;
    // Automatic: a logger whose memory is behind the download pointer (cleared
    // or replaced) is downloaded from its block 0 instead of refused.
    bool fromStart = false;
    // Asked before each block: true ends the download after the block under
    // way, as a line failure would (what was fetched is saved, the pointer
    // moved past it, the logger put back into scanning), and says that it was
    // stopped.
    std::function<bool()> stopWanted;
    // Where the saved blocks go besides the table (the archive), once the
    // table is saved and the pointer moved: the grid rows of blocks first to
    // last and the channels' set-up. Returns why it failed, or an empty text;
    // a failure leaves the download as it is and ends the run as BadSetup.
    std::function<QString(const BlockGrid& grid, int first, int last,
                          const RecordedChannels& channels)>
        alsoKeep;
};

// Runs the download with the set-up of the program folder's "config.dat".
// Every file the run will write (the table, the CSV, and for an automatic
// download the data-directory and download-pointer files) is checked before
// the logger is woken; a table already there is refused unless the request
// says what to do with it. An automatic download fetches at most the newest
// 4096 blocks, telling how many older ones the logger has written over.
// A block whose reply is cut or damaged is asked for up to two more times.
// When the line fails part-way, the blocks fetched so far are saved, and an
// automatic download moves its pointer past them and no further, so the next
// run goes on from there. Whenever the logger was woken it is put back into
// scanning at the end. Stop requests on `ticks` end the run while the logger
// is being woken; from then on they are held, so that only stopWanted ends
// it, between blocks. The link reports to `reporter`.
// The outcome goes to `output`: "N blocks saved to FILE" (and "N blocks
// exported to FILE" for the CSV) as results; for any end but Done the last
// problem told says why, after everything the link had to say.
UnattendedEnd runUnattendedDownload(const QString& programFolder, const UnattendedRequest& request,
                                    SerialPort& port, Ticks& ticks, LinkReporter& reporter,
                                    const UnattendedOutput& output, const QDateTime& startedAt);

// The table name of an automatic download without --out: KORVEN_yyyymmdd_hhmmss.txt.
QString defaultTableName(const QDateTime& startedAt);

} // namespace korven
