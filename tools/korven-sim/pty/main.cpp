#include "pty/command_line.h"
#include "pty/device_link.h"
#include "pty/pseudo_terminal.h"
#include "pty/serve_loop.h"
#include "pty/stop_signals.h"
#include "sim/logger_brain.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

using namespace korven::sim;

namespace {

int refuse(const QString& why) {
    std::fprintf(stderr, "korven-sim: %s\n", qPrintable(why));
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korven-sim"));
    const ServeOptions options = parseCommandLine(app);

    // Stop signals are caught before the link exists, so a stop that comes
    // as soon as the link appears still removes it.
    QString error;
    const auto stop = StopSignals::install(error);
    if (!stop)
        return refuse(error);
    const auto terminal = PseudoTerminal::open(error);
    if (!terminal)
        return refuse(error);
    const auto link = DeviceLink::create(options.linkPath, terminal->devicePath(), error);
    if (!link)
        return refuse(error);

    LoggerConfig config;
    config.code = options.code;
    config.blocks = options.blocks;
    LoggerBrain brain(config);

    std::printf("korven-sim: serving on %s\n", qPrintable(options.linkPath));
    std::fflush(stdout);
    return serve(*terminal, brain, options, stop->descriptor());
}
