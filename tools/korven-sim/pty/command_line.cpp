#include "pty/command_line.h"

#include "sim/block_memory.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace korven::sim {

namespace {

// Address bytes run from 128 to 254; 255 is the wake-up byte.
constexpr int kHighestCode = 126;

[[noreturn]] void refuse(const QCommandLineParser& parser, const QString& why) {
    std::fprintf(stderr, "korven-sim: %s\n\n%s", qPrintable(why), qPrintable(parser.helpText()));
    std::exit(EXIT_FAILURE);
}

int number(const QCommandLineParser& parser, const QCommandLineOption& option, int lowest,
           int highest) {
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < lowest || value > highest)
        refuse(parser, QStringLiteral("--%1 takes a number from %2 to %3")
                           .arg(option.names().constFirst())
                           .arg(lowest)
                           .arg(highest));
    return value;
}

} // namespace

ServeOptions parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulates a KORVEN data logger behind a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Symbolic link to create to the pseudo-terminal (required)."),
        QStringLiteral("PATH"));
    const QCommandLineOption code(
        QStringLiteral("code"),
        QStringLiteral("Logger code (default 1): answers address bytes 128 and 128 + N."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption blocks(
        QStringLiteral("blocks"), QStringLiteral("Blocks stored in memory at start (default 300)."),
        QStringLiteral("N"), QStringLiteral("300"));
    const QCommandLineOption throttle(
        QStringLiteral("throttle"),
        QStringLiteral("Send no faster than the line speed the client set."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Log bytes received and sent to stderr."));
    parser.addOptions({link, code, blocks, throttle, verbose});
    parser.process(app);

    if (!parser.isSet(link) || parser.value(link).isEmpty())
        refuse(parser, QStringLiteral("--link PATH is required"));
    if (!parser.positionalArguments().isEmpty())
        refuse(parser, QStringLiteral("unexpected argument %1")
                           .arg(parser.positionalArguments().constFirst()));

    ServeOptions options;
    options.linkPath = parser.value(link);
    options.code = number(parser, code, 0, kHighestCode);
    options.blocks = number(parser, blocks, 0, BlockMemory::kHighestBlockCount);
    options.throttle = parser.isSet(throttle);
    options.verbose = parser.isSet(verbose);
    return options;
}

} // namespace korven::sim
