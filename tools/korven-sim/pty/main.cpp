#include "pty/command_line.h"
#include "pty/device_link.h"
#include "pty/event_log.h"
#include "pty/pseudo_terminal.h"
#include "pty/serve_loop.h"
#include "pty/setup_file.h"
#include "pty/stop_signals.h"
#include "sim/hayes_modem.h"
#include "sim/logger_brain.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace korven::sim;

namespace {

int refuse(const QString& why) {
    std::fprintf(stderr, "korven-sim: %s\n", qPrintable(why));
    return EXIT_FAILURE;
}

qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korven-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEN_SIM_VERSION));
    const ServeOptions options = parseCommandLine(QCoreApplication::arguments());

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

    const EventSink log = eventLog(options.verbose);
    LoggerBrain logger(options.logger);
    logger.faults() = options.faults;
    logger.setEventSink(log);
    std::optional<HayesModem> modem;
    if (options.modem) {
        modem.emplace(*options.modem, logger, steadyMs);
        modem->setEventSink(log);
    }
    std::optional<SetupFile> setupFile;
    if (!options.setupDumpPath.isEmpty())
        setupFile.emplace(options.setupDumpPath);

    std::printf("korven-sim: serving on %s\n", qPrintable(options.linkPath));
    std::fflush(stdout);
    const FarEnd farEnd{logger, modem ? &*modem : nullptr, setupFile ? &*setupFile : nullptr};
    const int status = serve(*terminal, farEnd, options, stop->descriptor());
    if (setupFile)
        setupFile->update(logger);
    return status;
}
