#pragma once

#include "download/automatic_download.h"
#include "download/block_fetch.h"
#include "download/block_grid.h"
#include "download/download_setup.h"
#include "link/logger_link.h"
#include "link/port_settings.h"
#include "link/woken_logger.h"
#include "platform/process_lock.h"
#include "system_setup/installation.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace korven {

// What a fetch tells whoever runs it, as it goes.
struct DownloadObserver {
    std::function<void(int block)> blockFilled; // the block's row of the grid is filled in
    std::function<void(const DownloadProgress&)> progress;
    std::function<void()> heardFromLogger; // characters came from the logger
    std::function<bool()> stopWanted;      // asked between blocks: true ends the fetch there
};

// What the automatic download learns from the logger before it fetches.
struct RangeQuery {
    LinkStatus status = LinkStatus::NoAnswer;
    AutomaticRange range;
    int loggerNext = 0; // the block the logger will write next
};

// One download from a logger, in the steps the block viewer, the automatic
// download's two screens and korvenctl all take: read the set-up, wake the
// logger, (ask for its last block,) fetch blocks into a grid, save, move the
// download pointer, resume its scanning. Each step holds the link only while
// it runs, so a screen stays usable between steps; the logger stays awake in
// between until resume(). The link's failures are reported through the
// link's reporter as they happen.
class DownloadJob {
public:
    DownloadJob(LoggerLink& link, Installation& installation)
        : link_(link), installation_(installation) {}

    // Reads the port settings, the digital-input flags and the channels'
    // set-up, and with `automatic` the download pointer; the first file that
    // cannot be read ends it.
    FileStatus readSetup(bool automatic);
    // Each reads only its own part of the set-up, for the screens that need
    // no more.
    FileStatus readPortSettings();
    FileStatus readDigitalInputs();
    FileStatus readChannels();
    FileStatus readDownloadPointer();

    const PortSettings& portSettings() const { return port_; }
    const DigitalInputFlags& digitalInputs() const { return digitalInputs_; }
    const RecordedChannels& channels() const { return channels_; }
    BlockGrid::Descriptions descriptions() const { return descriptionsOf(channels_); }
    int downloadPointer() const { return downloadPointer_; }

    // Takes the installation's lock for as long as this job lives, so that
    // one download at a time moves the installation's pointer, whether a
    // screen or korvenctl runs it. Fails at once while another process
    // holds it; lockHolder() then says who, when the lock file tells.
    FileStatus lockInstallation();
    std::optional<LockHolder> lockHolder() const;

    // Sets the port and wakes the logger. Busy while another conversation
    // holds the line; PortFailed (see portError()) when the port will not open.
    LinkStatus wake();
    PortError portError() const { return logger_.portError(); }
    bool loggerWoken() const { return logger_.woken(); }

    // Asks the woken logger for its last stored block: the range runs from the
    // download pointer to it (planAutomaticRange(), `fromStart` for a logger
    // behind the pointer). A logger that does not answer is reported.
    RangeQuery queryRange(bool fromStart = false);

    // Fetches blocks `first` to `last` into their rows of `grid`, asking for a
    // block whose reply is cut or damaged up to `extraAttempts` more times.
    // The rows fetched before a failure stay; the failure is reported and no
    // longer marks the link as failed, since the screen stays up.
    FetchResult fetch(int first, int last, BlockGrid& grid, int extraAttempts,
                      const DownloadObserver& observer);

    // Saves the first `count` rows of `grid` as the table at `tablePath` and
    // moves the download pointer past them, in one commit with `alongside`.
    AutomaticSave saveAutomatic(const BlockGrid& grid, int count, const QString& tablePath,
                                const QDate& today, TableWrite mode = TableWrite::Replace,
                                const QList<CommittedFile>& alongside = {});

    // Puts the logger back into scanning, once, when this job woke it.
    // Busy while another conversation holds the line (nothing is done then).
    LinkStatus resume();

private:
    LoggerLink& link_;
    Installation& installation_;
    PortSettings port_;
    DigitalInputFlags digitalInputs_;
    RecordedChannels channels_;
    int downloadPointer_ = 0;
    std::unique_ptr<ProcessLock> lock_;
    WokenLogger logger_{link_};
};

} // namespace korven
