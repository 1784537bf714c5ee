#include "korvenctl/command_line.h"

namespace korven {

namespace {

const QString kVersion =
    QStringLiteral("korvenctl %1.%2\n").arg(KORVEN_VERSION_MAJOR).arg(KORVEN_VERSION_MINOR);

const QString kGlobalUsage = QStringLiteral(
    "  --folder DIR   the program folder holding config.dat (default: korvenctl's own)\n"
    "  --device PATH  the device of the configured port, instead of the COM mapping\n"
    "  --modem        reach the logger through the modem of the set-up (Modem Setup):\n"
    "                 dial when the command first needs the line, hang up when it ends,\n"
    "                 also after a failure or Ctrl+C\n"
    "  --help, --version\n"
    "\n"
    "Progress and problems go to standard error, results to standard output.\n"
    "Exit status: 0 done, 2 bad usage or set-up files, 3 link failure (with --modem\n"
    "also a call that failed, or a modem that could not be hung up) or a download\n"
    "stopped by Ctrl+C or SIGTERM, 4 data saved but the logger not put back into\n"
    "scanning. Ctrl+C and SIGTERM end a command at once before the logger answers;\n"
    "once it is awake, after the block or reading under way (clock and setup send\n"
    "finish), and the logger is put back into scanning first.\n");

// An option given twice is a slip the user should hear about, not a choice
// to make for them.
QString repeatedOption(const QCommandLineParser& parser, const QList<QCommandLineOption>& options) {
    for (const QCommandLineOption& option : options) {
        qsizetype times = 0;
        for (const QString& name : option.names())
            times += parser.optionNames().count(name);
        if (times > 1)
            return QStringLiteral("--%1 is given more than once.").arg(option.names().first());
    }
    return {};
}

} // namespace

GlobalParse parseGlobalOptions(const QStringList& arguments, const QString& defaultFolder,
                               const QString& usage) {
    const QString help = QStringLiteral("Usage:\n") + usage + kGlobalUsage;
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption folder(QStringLiteral("folder"), {}, QStringLiteral("DIR"));
    const QCommandLineOption device(QStringLiteral("device"), {}, QStringLiteral("PATH"));
    const QCommandLineOption modem(QStringLiteral("modem"));
    const QList<QCommandLineOption> options{helpOption, versionOption, folder, device, modem};
    parser.addOptions(options);
    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText() + QStringLiteral("\n\n") + help, false};
    if (const QString repeated = repeatedOption(parser, options); !repeated.isEmpty())
        return {std::nullopt, repeated + QStringLiteral("\n\n") + help, false};
    if (parser.isSet(helpOption))
        return {std::nullopt, help, true};
    if (parser.isSet(versionOption))
        return {std::nullopt, kVersion, true};
    if (parser.positionalArguments().isEmpty())
        return {std::nullopt, QStringLiteral("No command given.\n\n") + help, false};
    return {GlobalOptions{parser.isSet(folder) ? parser.value(folder) : defaultFolder,
                          parser.value(device), parser.isSet(modem), parser.positionalArguments()},
            {},
            false};
}

CommandOptions::CommandOptions(const CommandContext& context, const KorvenctlCommand& command,
                               const QList<QCommandLineOption>& options)
    : context_(context), command_(command), options_(options) {
    parser_.addOptions(options_);
}

bool CommandOptions::read(bool wordsAllowed) {
    if (!parser_.parse(context_.arguments)) {
        refuse(parser_.errorText());
        return false;
    }
    if (const QString repeated = repeatedOption(parser_, options_); !repeated.isEmpty()) {
        refuse(repeated);
        return false;
    }
    // The first argument is the command's name, which the parser passes over.
    if (!wordsAllowed && !parser_.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("Unexpected argument: %1").arg(parser_.positionalArguments().first()));
        return false;
    }
    return true;
}

UnattendedEnd CommandOptions::refuse(const QString& why) const {
    context_.console.problem(why + QStringLiteral("\n\nUsage:\n") + command_.usage);
    return UnattendedEnd::BadSetup;
}

UnattendedOutput consoleOutput(const CommandContext& context) {
    UnattendedOutput output;
    output.problem = [&context](const QString& text) { context.console.problem(text); };
    output.result = [&context](const QString& text) { context.console.result(text); };
    return output;
}

std::optional<int> numberIn(const QString& text, int lowest, int highest) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

} // namespace korven
