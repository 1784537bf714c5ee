#include "download/unattended_download.h"

#include "download/automatic_download.h"
#include "download/block_fetch.h"
#include "download/download_setup.h"
#include "link/logger_link.h"
#include "shell/settings_file.h"

#include <QDir>
#include <QFileInfo>

namespace korven {

namespace {

// Reading a block again is harmless, so a noisy line gets two more tries.
constexpr int kExtraAttempts = 2;

// What the run reads from the set-up files before it touches the line.
struct RunSetup {
    QString systemFilePath;
    QString loggerSetupPath;
    SystemSetupRecords systemRecords;
    LoggerSetupRecords loggerRecords;
    PortSettings port;
    DigitalInputFlags digitalInputs;
    BlockGrid::Descriptions descriptions;
    int downloadPointer = 0;
};

class Run {
public:
    Run(const QString& programFolder, const UnattendedRequest& request, SerialPort& port,
        Ticks& ticks, Prompter& prompter, const UnattendedOutput& output,
        const QDateTime& startedAt)
        : programFolder_(programFolder), request_(request), port_(port),
          link_(port, ticks, prompter), output_(output), startedAt_(startedAt) {}

    UnattendedEnd run();

private:
    bool readSetup();
    bool checkOutPath();
    UnattendedEnd talkToLogger(Conversation& conversation);
    UnattendedEnd save(int fetched);
    UnattendedEnd refuse(UnattendedEnd end, const QString& why) {
        if (output_.problem)
            output_.problem(why);
        return end;
    }

    const QString& programFolder_;
    const UnattendedRequest& request_;
    SerialPort& port_;
    LoggerLink link_;
    const UnattendedOutput& output_;
    QDateTime startedAt_;
    RunSetup setup_;
    QString outPath_;
    BlockGrid grid_;
    AutomaticRange range_;
};

// A path field never written holds zero bytes, which name no file.
bool namesAFile(const QString& path) {
    return !path.isEmpty() && !path.contains(QChar(0));
}

bool Run::readSetup() {
    Settings settings(programFolder_);
    FileStatus status =
        QFileInfo::exists(settings.filePath())
            ? settings.load()
            : FileStatus::failure(settings.filePath() + QStringLiteral(" not found"));
    setup_.systemFilePath = settings.systemFilePath();
    setup_.loggerSetupPath = settings.loggerSetupPath();
    if (status && !(namesAFile(setup_.systemFilePath) && namesAFile(setup_.loggerSetupPath)))
        status = FileStatus::failure(QStringLiteral("%1 names no system set-up or no logger "
                                                    "set-up")
                                         .arg(settings.filePath()));
    if (status)
        status =
            readPortSettings(setup_.systemFilePath, setup_.systemRecords.identity, setup_.port);
    if (status)
        status = readDigitalInputFlags(setup_.loggerSetupPath, setup_.loggerRecords.par,
                                       setup_.digitalInputs);
    if (status)
        status = readChannelDescriptions(setup_.loggerSetupPath, setup_.loggerRecords.channel,
                                         setup_.descriptions);
    if (status)
        status = readDownloadPointer(setup_.systemFilePath, setup_.systemRecords.downloadPointer,
                                     setup_.downloadPointer);
    if (!status)
        refuse(UnattendedEnd::BadSetup, status.error);
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
        refuse(UnattendedEnd::BadSetup,
               QStringLiteral("the folder of %1 does not exist").arg(outPath_));
        return false;
    }
    return true;
}

UnattendedEnd Run::run() {
    if (!readSetup() || !checkOutPath())
        return UnattendedEnd::BadSetup;
    configurePort(port_, setup_.port);
    auto conversation = link_.startConversation();
    const LinkStatus awake = conversation->wakeLogger();
    if (awake == LinkStatus::PortFailed)
        return refuse(
            UnattendedEnd::LinkFailed,
            QStringLiteral("the port cannot be opened: %1").arg(conversation->portError().text));
    if (awake != LinkStatus::Ok) {
        conversation->closePort();
        return UnattendedEnd::LinkFailed;
    }
    UnattendedEnd end = talkToLogger(*conversation);
    conversation.reset();

    // Saved or not, the logger goes back to its scanning.
    auto resume = link_.startConversation();
    if (resume->resumeScanning(setup_.loggerSetupPath, setup_.loggerRecords.par) !=
            LinkStatus::Ok &&
        end == UnattendedEnd::Done)
        end = UnattendedEnd::LinkFailed;
    return end;
}

UnattendedEnd Run::talkToLogger(Conversation& conversation) {
    range_ = {request_.from, request_.to};
    if (request_.automatic) {
        const LastBlockQuery query = queryLastStoredBlock(conversation);
        if (query.end != QueryEnd::Ok)
            return refuse(UnattendedEnd::LinkFailed,
                          QStringLiteral("the logger did not tell its last stored block"));
        range_ = {setup_.downloadPointer, query.lastStoredBlock};
        if (range_.nothingNew()) {
            if (output_.result)
                output_.result(QStringLiteral("Nothing new: the last stored block is %1 and "
                                              "the next download starts at block %2")
                                   .arg(range_.last)
                                   .arg(range_.first));
            return UnattendedEnd::Done;
        }
    }

    grid_.setupBlockGrid(setup_.descriptions, range_.first, range_.count());
    FetchRequest fetch;
    fetch.first = range_.first;
    fetch.last = range_.last;
    fetch.extraAttempts = kExtraAttempts;
    fetch.onBlock = [this](int block, const BlockText& text) {
        grid_.fillBlockRow(block, text, setup_.digitalInputs);
    };
    fetch.onProgress = output_.progress;
    const FetchResult result = fetchBlocks(conversation, fetch);
    reportFetchFailure(conversation, result.end);
    conversation.closePort();

    const UnattendedEnd saved = result.fetched > 0 ? save(result.fetched) : UnattendedEnd::Done;
    if (result.end != FetchEnd::Complete)
        return refuse(
            UnattendedEnd::LinkFailed,
            QStringLiteral("the line failed at block %1").arg(range_.first + result.fetched));
    return saved;
}

UnattendedEnd Run::save(int fetched) {
    if (request_.automatic) {
        const AutomaticSave saved =
            saveAutomaticDownload(setup_.systemFilePath, setup_.systemRecords, grid_, fetched,
                                  outPath_, startedAt_.date());
        if (!saved)
            return refuse(UnattendedEnd::BadSetup,
                          automaticSaveFailureText(saved).replace(u'\r', u' '));
    } else if (const BlockTableSave saved =
                   saveBlockTable(outPath_, grid_, range_.first, range_.first + fetched - 1);
               !saved) {
        return refuse(UnattendedEnd::BadSetup,
                      QStringLiteral("%1 cannot be written: %2").arg(outPath_, saved.error));
    }
    if (output_.result)
        output_.result(QStringLiteral("%1 blocks saved to %2").arg(fetched).arg(outPath_));
    return UnattendedEnd::Done;
}

} // namespace

UnattendedEnd runUnattendedDownload(const QString& programFolder, const UnattendedRequest& request,
                                    SerialPort& port, Ticks& ticks, Prompter& prompter,
                                    const UnattendedOutput& output, const QDateTime& startedAt) {
    return Run(programFolder, request, port, ticks, prompter, output, startedAt).run();
}

QString defaultTableName(const QDateTime& startedAt) {
    return startedAt.toString(QStringLiteral("'KORVEN_'yyyyMMdd_HHmmss'.txt'"));
}

} // namespace korven
