#include "download/unattended_download.h"

#include "download/download_job.h"
#include "link/logger_link.h"

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
        : programFolder_(programFolder), request_(request), link_(port, ticks, reporter),
          output_(output), startedAt_(startedAt) {}

    UnattendedEnd run();

private:
    bool readSetup();
    bool checkOutPath();
    UnattendedEnd download();
    UnattendedEnd save(int fetched);

    const QString& programFolder_;
    const UnattendedRequest& request_;
    LoggerLink link_;
    const UnattendedOutput& output_;
    QDateTime startedAt_;
    Installation installation_;
    DownloadJob job_{link_, installation_};
    QString outPath_;
    BlockGrid grid_;
    AutomaticRange range_;
};

bool Run::readSetup() {
    FileStatus status = readInstallationSettings(programFolder_, installation_);
    if (status)
        status = job_.readSetup(request_.automatic);
    if (!status)
        output_.refuse(UnattendedEnd::BadSetup, status.error);
    return static_cast<bool>(status);
}

bool Run::checkOutPath() {
    outPath_ = request_.outPath;
    if (outPath_.isEmpty())
        outPath_ = QDir(programFolder_).filePath(defaultTableName(startedAt_));
    outPath_ = QFileInfo(outPath_).absoluteFilePath();
    // A table that cannot be written is better known before the line is
    // woken than after the blocks came.
    if (!QFileInfo(outPath_).dir().exists()) {
        output_.refuse(UnattendedEnd::BadSetup,
                       QStringLiteral("the folder of %1 does not exist").arg(outPath_));
        return false;
    }
    return true;
}

UnattendedEnd Run::run() {
    if (!readSetup() || !checkOutPath())
        return UnattendedEnd::BadSetup;
    const LinkStatus awake = job_.wake();
    if (awake == LinkStatus::PortFailed)
        return output_.refuse(
            UnattendedEnd::LinkFailed,
            QStringLiteral("the port cannot be opened: %1").arg(job_.portError().text));
    if (awake != LinkStatus::Ok)
        return UnattendedEnd::LinkFailed;

    UnattendedEnd end = download();
    // Saved or not, the logger goes back to its scanning.
    if (job_.resume() != LinkStatus::Ok && end == UnattendedEnd::Done)
        end = UnattendedEnd::LinkFailed;
    return end;
}

UnattendedEnd Run::download() {
    range_ = {request_.from, request_.to};
    if (request_.automatic) {
        const RangeQuery query = job_.queryRange();
        if (query.status != LinkStatus::Ok)
            return output_.refuse(UnattendedEnd::LinkFailed,
                                  QStringLiteral("the logger did not tell its last stored block"));
        range_ = query.range;
        if (range_.nothingNew()) {
            output_.tellResult(
                QStringLiteral("Nothing new: the last stored block is %1 and the next download "
                               "starts at block %2")
                    .arg(range_.last)
                    .arg(range_.first));
            return UnattendedEnd::Done;
        }
    }

    grid_.setupBlockGrid(job_.descriptions(), range_.first, range_.count());
    const FetchResult result =
        job_.fetch(range_.first, range_.last, grid_, kExtraAttempts, {{}, request_.progress, {}});

    const UnattendedEnd saved = result.fetched > 0 ? save(result.fetched) : UnattendedEnd::Done;
    if (result.end != FetchEnd::Complete)
        return output_.refuse(
            UnattendedEnd::LinkFailed,
            QStringLiteral("the line failed at block %1").arg(range_.first + result.fetched));
    return saved;
}

UnattendedEnd Run::save(int fetched) {
    if (request_.automatic) {
        const AutomaticSave saved = job_.saveAutomatic(grid_, fetched, outPath_, startedAt_.date());
        if (!saved)
            return output_.refuse(UnattendedEnd::BadSetup,
                                  automaticSaveFailureText(saved).replace(u'\r', u' '));
    } else if (const BlockTableSave saved =
                   saveBlockTable(outPath_, grid_, range_.first, range_.first + fetched - 1);
               !saved) {
        return output_.refuse(
            UnattendedEnd::BadSetup,
            QStringLiteral("%1 cannot be written: %2").arg(outPath_, saved.error));
    }
    output_.tellResult(QStringLiteral("%1 blocks saved to %2").arg(fetched).arg(outPath_));
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
