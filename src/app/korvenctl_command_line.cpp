#include "korvenctl_command_line.h"

#include <QCommandLineParser>

namespace korven {

namespace {

// Block numbers are 16-bit on the logger's side.
constexpr int kHighestBlock = 32767;

const QString kUsage = QStringLiteral(
    "Usage:\n"
    "  korvenctl [--folder DIR] [--device PATH] download --from N --to M --out FILE\n"
    "  korvenctl [--folder DIR] [--device PATH] download --auto [--out FILE]\n"
    "\n"
    "  --folder DIR   the program folder holding config.dat (default: korvenctl's own)\n"
    "  --device PATH  the device of the configured port, instead of the COM mapping\n"
    "  --from N, --to M\n"
    "                 download blocks N to M into the block table FILE\n"
    "  --auto         download every block stored since the last automatic download,\n"
    "                 into FILE or KORVEN_yyyymmdd_hhmmss.txt in the program folder,\n"
    "                 and move the download pointer on\n"
    "\n"
    "Exit status: 0 done, 2 bad usage or set-up files, 3 link failure.\n");

std::optional<int> blockNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > kHighestBlock)
        return std::nullopt;
    return value;
}

ParsedCommandLine wrong(const QString& why) {
    return {std::nullopt, why + QStringLiteral("\n\n") + kUsage, false};
}

} // namespace

ParsedCommandLine parseKorvenctlCommandLine(const QStringList& arguments,
                                            const QString& defaultFolder) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption folder(QStringLiteral("folder"), {}, QStringLiteral("DIR"));
    const QCommandLineOption device(QStringLiteral("device"), {}, QStringLiteral("PATH"));
    const QCommandLineOption from(QStringLiteral("from"), {}, QStringLiteral("N"));
    const QCommandLineOption to(QStringLiteral("to"), {}, QStringLiteral("M"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("FILE"));
    const QCommandLineOption automatic(QStringLiteral("auto"));
    parser.addOptions({help, folder, device, from, to, out, automatic});
    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, kUsage, true};

    const QStringList words = parser.positionalArguments();
    if (words != QStringList{QStringLiteral("download")})
        return wrong(words.isEmpty() ? QStringLiteral("No command given.")
                                     : QStringLiteral("Unknown command: %1").arg(words.join(u' ')));

    KorvenctlCommand command;
    command.programFolder = parser.isSet(folder) ? parser.value(folder) : defaultFolder;
    command.device = parser.value(device);
    command.download.outPath = parser.value(out);
    command.download.automatic = parser.isSet(automatic);
    if (command.download.automatic) {
        if (parser.isSet(from) || parser.isSet(to))
            return wrong(QStringLiteral("--auto takes no --from or --to."));
        return {command, {}, false};
    }

    if (!parser.isSet(from) || !parser.isSet(to) || !parser.isSet(out))
        return wrong(QStringLiteral("A range download needs --from, --to and --out."));
    const auto first = blockNumber(parser.value(from));
    const auto last = blockNumber(parser.value(to));
    if (!first || !last)
        return wrong(QStringLiteral("Block numbers go from 0 to %1.").arg(kHighestBlock));
    if (*last < *first)
        return wrong(QStringLiteral("--to must not be below --from."));
    command.download.from = *first;
    command.download.to = *last;
    return {command, {}, false};
}

} // namespace korven
