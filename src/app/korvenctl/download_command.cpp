#include "korvenctl/download_command.h"

#include "archive/archive_runs.h"
#include "korvenctl/archive_command.h"

#include "download/unattended_download.h"

#include <QDateTime>

namespace korven {

namespace {

// Block numbers are 16-bit on the logger's side.
constexpr int kHighestBlock = 32767;

const QString kUsage = QStringLiteral(
    "  korvenctl [--folder DIR] [--device PATH] download --from N --to M --out FILE\n"
    "                                [--append | --overwrite] [--csv CSVFILE]\n"
    "                                [--archive [DEST] [--station NAME]]\n"
    "  korvenctl [--folder DIR] [--device PATH] download --auto [--from-start]\n"
    "                                [--out FILE [--append | --overwrite]] [--csv CSVFILE]\n"
    "                                [--archive [DEST] [--station NAME]]\n"
    "\n"
    "  --from N, --to M\n"
    "                 download blocks N to M into the block table FILE\n"
    "  --auto         download every block stored since the last automatic download,\n"
    "                 into FILE or KORVEN_yyyymmdd_hhmmss.txt in the program folder,\n"
    "                 and move the download pointer on\n"
    "  --from-start   with --auto, when the logger's memory is behind the download\n"
    "                 pointer (cleared, or another logger): download it from block 0\n"
    "                 instead of stopping\n"
    "  --append       FILE exists: add the new blocks after its lines\n"
    "  --overwrite    FILE or CSVFILE exists: replace it (an existing file, whatever\n"
    "                 the letter case of its name, is refused otherwise)\n"
    "  --csv CSVFILE  write the blocks saved as CSV too (UTF-8, comma-separated,\n"
    "                 values with their decimal point), together with FILE\n"
    "  --archive [DEST] store the blocks saved in the station archive too: an SQLite\n"
    "                 file, postgresql://USER@HOST[:PORT]/DB, or by default\n"
    "                 korven-archive.sqlite in the program folder; an archive that\n"
    "                 cannot be written leaves the download saved and exits with 2\n"
    "  --station NAME with --archive, the station the blocks go under\n"
    "\n"
    "  --auto fetches at most the newest 4096 blocks, all the logger's memory holds;\n"
    "  how many older blocks it has written over is told on standard error.\n"
    "  Ctrl+C or SIGTERM stops the download after the block under way: the blocks\n"
    "  fetched are saved (--auto moves the pointer past them), the logger is put\n"
    "  back into scanning, and the exit status is 3.\n");

UnattendedEnd runDownload(const CommandContext& given, const KorvenctlCommand& command) {
    CommandContext context = given;
    context.arguments = withBareArchiveOption(given.arguments);
    const QCommandLineOption from(QStringLiteral("from"), {}, QStringLiteral("N"));
    const QCommandLineOption to(QStringLiteral("to"), {}, QStringLiteral("M"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("FILE"));
    const QCommandLineOption csv(QStringLiteral("csv"), {}, QStringLiteral("CSVFILE"));
    const QCommandLineOption automatic(QStringLiteral("auto"));
    const QCommandLineOption fromStart(QStringLiteral("from-start"));
    const QCommandLineOption append(QStringLiteral("append"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"));
    const QCommandLineOption archive(QStringLiteral("archive"), {}, QStringLiteral("DEST"));
    const QCommandLineOption station(QStringLiteral("station"), {}, QStringLiteral("NAME"));
    CommandOptions options(
        context, command,
        {from, to, out, csv, automatic, fromStart, append, overwrite, archive, station});
    if (!options.read())
        return UnattendedEnd::BadSetup;

    UnattendedRequest request;
    request.outPath = options.value(out);
    request.csvPath = options.value(csv);
    if (options.isSet(csv) && request.csvPath.isEmpty())
        return options.refuse(QStringLiteral("--csv needs a file name."));
    request.automatic = options.isSet(automatic);
    if (options.isSet(append) && options.isSet(overwrite))
        return options.refuse(QStringLiteral("--append and --overwrite exclude each other."));
    if (options.isSet(append) && !options.isSet(out))
        return options.refuse(QStringLiteral("--append goes with --out."));
    if (options.isSet(overwrite) && !options.isSet(out) && !options.isSet(csv))
        return options.refuse(QStringLiteral("--overwrite goes with --out or --csv."));
    request.existing = options.isSet(append)      ? ExistingTable::Append
                       : options.isSet(overwrite) ? ExistingTable::Overwrite
                                                  : ExistingTable::Refuse;
    if (options.isSet(fromStart) && !request.automatic)
        return options.refuse(QStringLiteral("--from-start goes with --auto."));
    request.fromStart = options.isSet(fromStart);
    if (request.automatic) {
        if (options.isSet(from) || options.isSet(to))
            return options.refuse(QStringLiteral("--auto takes no --from or --to."));
    } else {
        if (!options.isSet(from) || !options.isSet(to) || !options.isSet(out))
            return options.refuse(QStringLiteral("A range download needs --from, --to and --out."));
        const auto first = numberIn(options.value(from), 0, kHighestBlock);
        const auto last = numberIn(options.value(to), 0, kHighestBlock);
        if (!first || !last)
            return options.refuse(
                QStringLiteral("Block numbers go from 0 to %1.").arg(kHighestBlock));
        if (*last < *first)
            return options.refuse(QStringLiteral("--to must not be below --from."));
        request.from = *first;
        request.to = *last;
    }
    if (options.isSet(station) && !options.isSet(archive))
        return options.refuse(QStringLiteral("--station goes with --archive."));
    DownloadArchive archived;
    if (options.isSet(archive)) {
        if (!openDownloadArchive(context, options.value(archive), options.value(station), archived))
            return UnattendedEnd::BadSetup;
        request.alsoKeep = keepInArchive(*archived.store, archived.station, consoleOutput(context));
    }
    request.progress = [&context](const DownloadProgress& done) { context.console.progress(done); };
    // Ctrl+C and SIGTERM: before the logger is woken they end the run at
    // once; once it is, after the block under way, so that what came is saved
    // and the logger goes back to scanning (the run holds the stop requests
    // meanwhile).
    bool stopWanted = false;
    const SignalledTicks::StopAction stop(context.ticks, [&stopWanted, &context] {
        stopWanted = true;
        context.ticks.requestStop();
    });
    request.stopWanted = [&stopWanted] { return stopWanted; };

    return runUnattendedDownload(context.programFolder, request, context.port, context.ticks,
                                 context.reporter, consoleOutput(context),
                                 QDateTime::currentDateTime());
}

} // namespace

KorvenctlCommand downloadCommand() {
    KorvenctlCommand command{QStringLiteral("download"), kUsage, {}};
    command.run = [command](const CommandContext& context) {
        return runDownload(context, command);
    };
    return command;
}

} // namespace korven
