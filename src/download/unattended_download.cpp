#include "download/unattended_download.h"

#include "download/block_csv.h"
#include "download/download_job.h"
#include "link/logger_link.h"
#include "link/protocol/block_numbers.h"
#include "platform/file_commit.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFileInfo>

namespace korven {

namespace {

// Reading a block again is harmless, so a noisy line gets two more tries.
constexpr int kExtraAttempts = 2;

class Run {
public:
    Run(const QString& programFolder, const UnattendedRequest& request, SerialPort& port,
        Ticks& ticks, LinkReporter& reporter, const UnattendedOutput& output,
        const QDateTime& startedAt)
        : programFolder_(programFolder), request_(request), ticks_(ticks),
          link_(port, ticks, reporter), output_(output), startedAt_(startedAt) {}

    UnattendedEnd run();

private:
    bool readSetup();
    bool checkOutPaths();
    bool refuseExisting(const QString& path, const QString& remedy);
    bool checkWritable(const QString& path);
    UnattendedEnd planAutomatic();
    UnattendedEnd checkRangeHeld();
    UnattendedEnd wakeAndDownload();
    UnattendedEnd download();
    UnattendedEnd save(int fetched);
    // Ends the run as `end`; `why` is told last, once the logger is dealt with.
    UnattendedEnd fail(UnattendedEnd end, const QString& why) {
        why_ = why;
        return end;
    }

    const QString& programFolder_;
    const UnattendedRequest& request_;
    Ticks& ticks_;
    LoggerLink link_;
    const UnattendedOutput& output_;
    QDateTime startedAt_;
    Installation installation_;
    DownloadJob job_{link_, installation_};
    QString outPath_;
    QString csvPath_;
    BlockGrid grid_;
    AutomaticRange range_;
    QString why_;
};

bool Run::readSetup() {
    FileStatus status = readInstallationSettings(programFolder_, installation_);
    // One run at a time on an installation; a second is refused at once.
    if (status) {
        if (status = job_.lockInstallation(); !status)
            status.error = QStringLiteral("the installation is in use: %1").arg(status.error);
    }
    // A save a killed run left half-done is finished before anything is read.
    if (status)
        status = finishInterruptedCommit(saveJournalPath(installation_.systemFilePath));
    if (status)
        status = job_.readSetup(request_.automatic);
    if (!status)
        fail(UnattendedEnd::BadSetup, status.namedError());
    return static_cast<bool>(status);
}

bool Run::checkWritable(const QString& path) {
    const FileStatus status = korven::checkWritable(path);
    if (!status)
        fail(UnattendedEnd::BadSetup,
             QStringLiteral("%1 cannot be written: %2").arg(path, status.error));
    return static_cast<bool>(status);
}

bool Run::refuseExisting(const QString& path, const QString& remedy) {
    fail(UnattendedEnd::BadSetup, QStringLiteral("%1 already exists: %2").arg(path, remedy));
    return false;
}

bool Run::checkOutPaths() {
    outPath_ = request_.outPath;
    if (outPath_.isEmpty())
        outPath_ = QDir(programFolder_).filePath(defaultTableName(startedAt_));
    // A name is the file that is there whatever its letter case, as for every
    // file the program reads or writes.
    outPath_ = resolveCaseInsensitive(QFileInfo(outPath_).absoluteFilePath());
    if (!request_.csvPath.isEmpty())
        csvPath_ = resolveCaseInsensitive(QFileInfo(request_.csvPath).absoluteFilePath());
    // A file that cannot be written is better known before the line is woken
    // than after the blocks came.
    for (const QString& path : {outPath_, csvPath_}) {
        if (!path.isEmpty() && !QFileInfo(path).dir().exists()) {
            fail(UnattendedEnd::BadSetup,
                 QStringLiteral("the folder of %1 does not exist").arg(path));
            return false;
        }
    }
    if (csvPath_.compare(outPath_, Qt::CaseInsensitive) == 0) {
        fail(UnattendedEnd::BadSetup,
             QStringLiteral("the table and the CSV cannot both be %1").arg(outPath_));
        return false;
    }
    const auto taken = [](const QString& path) {
        return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    };
    if (taken(outPath_) && request_.existing == ExistingTable::Refuse)
        return refuseExisting(
            outPath_,
            QStringLiteral("--append adds the new blocks to it, --overwrite replaces it"));
    if (!csvPath_.isEmpty() && taken(csvPath_) && request_.existing != ExistingTable::Overwrite)
        return refuseExisting(csvPath_, QStringLiteral("--overwrite replaces it"));
    if (!checkWritable(outPath_) || (!csvPath_.isEmpty() && !checkWritable(csvPath_)))
        return false;
    const QString& system = installation_.systemFilePath;
    const QString journal = saveJournalPath(system);
    for (const QString& path : {journal, preparingJournalPath(journal)}) {
        if (const FileStatus regular = checkRegularOrMissing(path); !regular) {
            fail(UnattendedEnd::BadSetup, regular.namedError());
            return false;
        }
    }
    if (request_.automatic) {
        if (!checkWritable(downloadPointerFilePath(system)) ||
            !checkWritable(dataDirectoryFilePath(system)))
            return false;
    }
    return true;
}

UnattendedEnd Run::run() {
    UnattendedEnd end = UnattendedEnd::BadSetup;
    if (readSetup() && checkOutPaths()) {
        end = wakeAndDownload();
        // Saved or not, a woken logger goes back to its scanning.
        if (job_.resume() != LinkStatus::Ok && end == UnattendedEnd::Done)
            end = fail(UnattendedEnd::NotRestarted,
                       QStringLiteral("logger not restarted: the download is complete, but the "
                                      "logger could not be put back into scanning"));
        ticks_.holdStops(false);
    }
    if (end != UnattendedEnd::Done)
        output_.tellProblem(why_);
    return end;
}

UnattendedEnd Run::wakeAndDownload() {
    switch (job_.wake()) {
    case LinkStatus::Ok:
        // From here on the logger is stopped and must be put back into
        // scanning: a stop may end the run only between blocks (stopWanted).
        ticks_.holdStops(true);
        return download();
    case LinkStatus::Stopped:
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("stopped by a signal before the logger was woken"));
    case LinkStatus::PortFailed:
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("link failure: the port cannot be opened: %1")
                        .arg(job_.portError().text));
    default:
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("link failure: the logger did not answer the wake-up"));
    }
}

UnattendedEnd Run::download() {
    range_ = {request_.from, request_.to};
    if (request_.automatic) {
        if (const UnattendedEnd planned = planAutomatic(); planned != UnattendedEnd::Done)
            return planned;
        if (range_.nothingNew())
            return UnattendedEnd::Done;
    } else if (const UnattendedEnd held = checkRangeHeld(); held != UnattendedEnd::Done) {
        return held;
    }

    grid_.setupBlockGrid(job_.descriptions(), range_.first, range_.count());
    const FetchResult result = job_.fetch(range_.first, range_.last, grid_, kExtraAttempts,
                                          {{}, request_.progress, {}, request_.stopWanted});

    const UnattendedEnd saved = result.fetched > 0 ? save(result.fetched) : UnattendedEnd::Done;
    if (saved != UnattendedEnd::Done || result.end == FetchEnd::Complete)
        return saved;
    const int failedAt = range_.first + result.fetched;
    if (result.end == FetchEnd::Stopped)
        return fail(UnattendedEnd::LinkFailed,
                    result.fetched > 0
                        ? QStringLiteral("stopped by a signal after block %1; %2 blocks saved "
                                         "(%3 to %1)")
                              .arg(failedAt - 1)
                              .arg(result.fetched)
                              .arg(range_.first)
                        : QStringLiteral("stopped by a signal before any block was fetched"));
    const QString why =
        result.end == FetchEnd::Unconfirmed
            ? QStringLiteral("link failure: block %1 could not be had for sure (its reply does "
                             "not follow the block before it and asking again did not settle it)")
                  .arg(wrappedBlock(failedAt))
            : QStringLiteral("link failure: the line failed at block %1")
                  .arg(wrappedBlock(failedAt));
    return fail(UnattendedEnd::LinkFailed, result.fetched > 0
                                               ? QStringLiteral("%1; blocks %2 to %3 are saved")
                                                     .arg(why)
                                                     .arg(wrappedBlock(range_.first))
                                                     .arg(wrappedBlock(failedAt - 1))
                                               : why);
}

// A block the logger does not hold comes back all the same, from an old slot
// of its ring or as empty memory: a range is fetched only when every block of
// it is among the newest 4096 the logger has written.
UnattendedEnd Run::checkRangeHeld() {
    const RangeQuery query = job_.queryRange();
    if (query.status != LinkStatus::Ok)
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("link failure: the logger did not tell its last stored block"));
    const int newest = query.loggerNext - 1;
    const int oldest = std::max(query.loggerNext - kBlocksInMemory, 0);
    const QString asked = QStringLiteral("blocks %1 to %2 are not all in the logger's memory: ")
                              .arg(range_.first)
                              .arg(range_.last);
    if (newest < 0)
        return fail(UnattendedEnd::BadSetup, asked + QStringLiteral("it holds no blocks"));
    if (range_.first < oldest || range_.last > newest)
        return fail(UnattendedEnd::BadSetup,
                    asked + QStringLiteral("it holds blocks %1 to %2").arg(oldest).arg(newest));
    return UnattendedEnd::Done;
}

UnattendedEnd Run::planAutomatic() {
    const RangeQuery query = job_.queryRange(request_.fromStart);
    if (query.status != LinkStatus::Ok)
        return fail(UnattendedEnd::LinkFailed,
                    QStringLiteral("link failure: the logger did not tell its last stored block"));
    range_ = query.range;
    const int pointer = job_.downloadPointer();
    if (range_.behindPointer && !request_.fromStart)
        return fail(UnattendedEnd::BadSetup,
                    QStringLiteral("the logger's memory is behind the download pointer: it was "
                                   "reset or replaced (the logger will write block %1 next, the "
                                   "download pointer is at block %2); --from-start downloads "
                                   "it from block 0")
                        .arg(query.loggerNext)
                        .arg(pointer));
    if (range_.nothingNew()) {
        output_.tellResult(range_.loggerEmpty
                               ? QStringLiteral("Nothing new: the logger has no blocks stored")
                               : QStringLiteral("Nothing new: the last stored block is %1 and "
                                                "the next download starts at block %2")
                                     .arg(wrappedBlock(range_.last))
                                     .arg(wrappedBlock(range_.first)));
        return UnattendedEnd::Done;
    }
    if (range_.behindPointer)
        output_.tellProblem(QStringLiteral("the logger's memory is behind the download pointer "
                                           "(block %1): downloading it from block 0")
                                .arg(pointer));
    if (range_.overwritten > 0)
        output_.tellProblem(QStringLiteral("%1 blocks after the download pointer were written "
                                           "over in the logger and cannot be fetched: "
                                           "downloading the newest %2, blocks %3 to %4")
                                .arg(range_.overwritten)
                                .arg(range_.count())
                                .arg(wrappedBlock(range_.first))
                                .arg(wrappedBlock(range_.last)));
    return UnattendedEnd::Done;
}

UnattendedEnd Run::save(int fetched) {
    const int last = range_.first + fetched - 1;
    const TableWrite mode =
        request_.existing == ExistingTable::Append ? TableWrite::Append : TableWrite::Replace;
    // The CSV goes in the same commit as the table: both are there, or neither.
    QList<CommittedFile> csv;
    if (!csvPath_.isEmpty())
        csv.append({csvPath_, blockCsv(grid_, range_.first, last, job_.channels())});
    if (request_.automatic) {
        const AutomaticSave saved =
            job_.saveAutomatic(grid_, fetched, outPath_, startedAt_.date(), mode, csv);
        if (!saved)
            return fail(UnattendedEnd::BadSetup,
                        automaticSaveFailureText(saved).replace(u'\r', u' '));
    } else {
        QByteArray table;
        if (const BlockTableSave content =
                blockTableContent(outPath_, grid_, range_.first, last, mode, table);
            !content)
            return fail(UnattendedEnd::BadSetup,
                        QStringLiteral("%1 cannot be written: %2").arg(outPath_, content.error));
        const FileStatus committed = commitFiles(saveJournalPath(installation_.systemFilePath),
                                                 QList<CommittedFile>{{outPath_, table}} + csv);
        if (!committed)
            return fail(
                UnattendedEnd::BadSetup,
                QStringLiteral("%1 cannot be written: %2")
                    .arg(committed.path.isEmpty() ? outPath_ : committed.path, committed.error));
    }
    output_.tellResult(QStringLiteral("%1 blocks saved to %2").arg(fetched).arg(outPath_));
    if (!csvPath_.isEmpty())
        output_.tellResult(QStringLiteral("%1 blocks exported to %2")
                               .arg(rowsWithData(grid_, range_.first, last).size())
                               .arg(csvPath_));
    if (request_.alsoKeep) {
        if (const QString why = request_.alsoKeep(grid_, range_.first, last, job_.channels());
            !why.isEmpty())
            return fail(UnattendedEnd::BadSetup, why);
    }
    return UnattendedEnd::Done;
}

} // namespace

UnattendedEnd runUnattendedDownload(const QString& programFolder, const UnattendedRequest& request,
                                    SerialPort& port, Ticks& ticks, LinkReporter& reporter,
                                    const UnattendedOutput& output, const QDateTime& startedAt) {
    return Run(programFolder, request, port, ticks, reporter, output, startedAt).run();
}

QString defaultTableName(const QDateTime& startedAt) {
    return startedAt.toString(QStringLiteral("'KORVEN_'yyyyMMdd_HHmmss'.txt'"));
}

} // namespace korven
