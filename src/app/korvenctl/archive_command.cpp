#include "korvenctl/archive_command.h"

#include "archive/archive_blocks.h"
#include "archive/archive_runs.h"

#include <QFile>

#include <cstdio>

namespace korven {

namespace {

const QString kUsage = QStringLiteral(
    "  korvenctl [--folder DIR] archive import TABLE... [--station NAME] [--archive DEST]\n"
    "  korvenctl [--folder DIR] archive export [--station NAME] [--from ISO] [--to ISO]\n"
    "                                [--csv FILE] [--archive DEST]\n"
    "  korvenctl [--folder DIR] archive gaps [--station NAME] [--from ISO] [--to ISO]\n"
    "                                [--archive DEST]\n"
    "  korvenctl [--folder DIR] archive stations [--archive DEST]\n"
    "\n"
    "  import         store block tables in the archive; a block already there is kept\n"
    "  export         the blocks of a period as CSV (standard output without --csv)\n"
    "  gaps           one line per stretch of missing blocks; exit status 1 when\n"
    "                 there is any, 0 when none\n"
    "  stations       each station with its first and last block and block count\n"
    "  --archive DEST an SQLite file, postgresql://USER@HOST[:PORT]/DB or\n"
    "                 postgresql:///DB?host=/socket/dir (default: korven-archive.sqlite\n"
    "                 in the program folder)\n"
    "  --station NAME the station (default for import: the installation's, named after\n"
    "                 its system and logger set-up files)\n"
    "  --from, --to   the period, logger time, e.g. 2024-03-01 or 2024-03-01T12:00:00\n");

const QStringList kActions{QStringLiteral("import"), QStringLiteral("export"),
                           QStringLiteral("gaps"), QStringLiteral("stations")};

// A time given as a day, or as a day and a time of day.
std::optional<QDateTime> isoTime(const QString& text, bool endOfDay) {
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (moment.isValid())
        return moment;
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        return std::nullopt;
    return endOfDay ? QDateTime(day, QTime(23, 59, 59)) : QDateTime(day, QTime(0, 0));
}

std::unique_ptr<ArchiveStore> openStore(const CommandContext& context, const QString& dest) {
    const LocationParse parsed = parseArchiveLocation(dest, context.programFolder);
    if (!parsed.location) {
        context.console.problem(parsed.error);
        return nullptr;
    }
    auto store = std::make_unique<ArchiveStore>(*parsed.location);
    if (const FileStatus opened = store->open(); !opened) {
        context.console.problem(
            QStringLiteral("the archive %1 cannot be used: %2").arg(opened.path, opened.error));
        return nullptr;
    }
    return store;
}

UnattendedEnd runArchive(const CommandContext& context, const KorvenctlCommand& command) {
    const QCommandLineOption archive(QStringLiteral("archive"), {}, QStringLiteral("DEST"));
    const QCommandLineOption station(QStringLiteral("station"), {}, QStringLiteral("NAME"));
    const QCommandLineOption from(QStringLiteral("from"), {}, QStringLiteral("ISO"));
    const QCommandLineOption to(QStringLiteral("to"), {}, QStringLiteral("ISO"));
    const QCommandLineOption csv(QStringLiteral("csv"), {}, QStringLiteral("FILE"));
    CommandOptions options(context, command, {archive, station, from, to, csv});
    if (!options.read(true))
        return UnattendedEnd::BadSetup;
    const QStringList words = options.words();
    const QString action = words.value(0);
    if (!kActions.contains(action))
        return options.refuse(
            action.isEmpty() ? QStringLiteral("archive needs import, export, gaps or stations.")
                             : QStringLiteral("Unknown archive command: %1").arg(action));
    const QStringList tables = words.mid(1);
    if (action == u"import" && tables.isEmpty())
        return options.refuse(QStringLiteral("archive import needs at least one block table."));
    if (action != u"import" && !tables.isEmpty())
        return options.refuse(QStringLiteral("Unexpected argument: %1").arg(tables.first()));
    if (options.isSet(csv) && action != u"export")
        return options.refuse(QStringLiteral("--csv goes with archive export."));
    if (options.isSet(csv) && options.value(csv).isEmpty())
        return options.refuse(QStringLiteral("--csv needs a file name."));
    const bool periodic = action == u"export" || action == u"gaps";
    if ((options.isSet(from) || options.isSet(to)) && !periodic)
        return options.refuse(QStringLiteral("--from and --to go with export and gaps."));
    if (options.isSet(station) && action == u"stations")
        return options.refuse(QStringLiteral("archive stations takes no --station."));

    ArchivePeriod period;
    period.station = options.value(station);
    for (const auto& [option, endOfDay] : {std::pair(&from, false), std::pair(&to, true)}) {
        if (!options.isSet(*option))
            continue;
        const auto moment = isoTime(options.value(*option), endOfDay);
        if (!moment)
            return options.refuse(QStringLiteral("%1 is no date (2024-03-01) or date and time "
                                                 "(2024-03-01T12:00:00).")
                                      .arg(options.value(*option)));
        (endOfDay ? period.to : period.from) = *moment;
    }
    if (period.from.isValid() && period.to.isValid() && period.to < period.from)
        return options.refuse(QStringLiteral("--to must not be before --from."));

    // Import takes the engineering values and the station from the
    // installation's set-up; export needs its channels' names only for a
    // header without blocks.
    ArchiveSetup setup;
    if (action == u"import") {
        if (const FileStatus read = readArchiveSetup(context.programFolder, setup); !read)
            return consoleOutput(context).refuse(UnattendedEnd::BadSetup, read.namedError());
    }
    const std::unique_ptr<ArchiveStore> store = openStore(context, options.value(archive));
    if (!store)
        return UnattendedEnd::BadSetup;

    const UnattendedOutput output = consoleOutput(context);
    if (action == u"import")
        return importTables(*store, tables,
                            period.station.isEmpty() ? setup.station : period.station,
                            setup.channels, output);
    if (action == u"export") {
        QFile standardOutput;
        std::fflush(stdout);
        standardOutput.open(stdout, QIODevice::WriteOnly);
        return exportArchive(*store, period, setup.channels, options.value(csv), standardOutput,
                             output);
    }
    if (action == u"gaps")
        return reportGaps(*store, period, output);
    return listStations(*store, output);
}

} // namespace

KorvenctlCommand archiveCommand() {
    KorvenctlCommand command{QStringLiteral("archive"), kUsage, {}};
    command.run = [command](const CommandContext& context) { return runArchive(context, command); };
    return command;
}

bool openDownloadArchive(const CommandContext& context, const QString& dest, const QString& station,
                         DownloadArchive& archive) {
    archive.station = station;
    if (archive.station.isEmpty()) {
        // A set-up that cannot be read stops the download itself, with its
        // own message, before the logger is woken.
        Installation installation;
        if (readInstallationSettings(context.programFolder, installation))
            archive.station = stationOf(installation);
    }
    archive.store = openStore(context, dest);
    return archive.store != nullptr;
}

QStringList withBareArchiveOption(const QStringList& arguments) {
    QStringList adjusted = arguments;
    for (qsizetype n = 0; n < adjusted.size(); ++n) {
        const bool valueFollows = n + 1 < adjusted.size() && !adjusted[n + 1].startsWith(u'-');
        if (adjusted[n] == u"--archive" && !valueFollows)
            adjusted[n] = QStringLiteral("--archive=");
    }
    return adjusted;
}

} // namespace korven
