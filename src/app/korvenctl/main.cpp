#include "korvenctl/archive_command.h"
#include "korvenctl/clock_command.h"
#include "korvenctl/command_line.h"
#include "korvenctl/console.h"
#include "korvenctl/download_command.h"
#include "korvenctl/modem_run.h"
#include "korvenctl/read_command.h"
#include "korvenctl/setup_command.h"
#include "korvenctl/stop_signals.h"
#include "platform/qt_serial_port.h"

#include <QCoreApplication>

#include <cstdio>

using namespace korven;

namespace {

// Every command korvenctl knows, in the order the help lists them.
QList<KorvenctlCommand> commands() {
    return {downloadCommand(), archiveCommand(), setupCommand(), clockCommand(), readCommand()};
}

} // namespace

int main(int argc, char** argv) {
    // From the start, so that no signal finds the default action (which ends
    // the process) while the logger is awake.
    const StopSignals stopSignals;
    QCoreApplication app(argc, argv);
    const QList<KorvenctlCommand> known = commands();
    QString usage;
    for (const KorvenctlCommand& command : known)
        usage += command.usage + u'\n';

    const GlobalParse parsed = parseGlobalOptions(QCoreApplication::arguments(),
                                                  QCoreApplication::applicationDirPath(), usage);
    if (!parsed.options) {
        std::fputs(parsed.message.toLocal8Bit().constData(), parsed.done ? stdout : stderr);
        return parsed.done ? 0 : static_cast<int>(UnattendedEnd::BadSetup);
    }

    const QString name = parsed.options->commandArguments.first();
    const auto command =
        std::find_if(known.cbegin(), known.cend(),
                     [&name](const KorvenctlCommand& c) { return c.name == name; });
    if (command == known.cend()) {
        std::fprintf(stderr, "Unknown command: %s\n\nUsage:\n%s", qPrintable(name),
                     qPrintable(usage));
        return static_cast<int>(UnattendedEnd::BadSetup);
    }

    QtSerialPort port;
    port.setDevice(parsed.options->device);
    // The line is the command's from its first open to its end.
    port.holdDevice(true);
    Console console;
    ConsoleReporter reporter(console);
    SignalledTicks ticks;
    if (parsed.options->modem)
        return static_cast<int>(
            runCommandThroughModem(*parsed.options, *command, port, ticks, console, reporter));
    return static_cast<int>(
        command->run({parsed.options->programFolder, parsed.options->commandArguments, console,
                      port, ticks, reporter}));
}
