#include "korvenctl/read_command.h"

#include "reading/unattended_reading.h"

namespace korven {

namespace {

constexpr int kHighestChannel = 7;
constexpr int kMostReadings = 1'000'000;
constexpr int kLongestInterval = 86'400; // a day

const QString kUsage = QStringLiteral(
    "  korvenctl [--folder DIR] [--device PATH] read [--channel N] [--treated]\n"
    "                                              [--count K] [--interval SECONDS]\n"
    "\n"
    "  --channel N    read channel N (0 to 7) once every SECONDS (default 1); without it,\n"
    "                 read every active channel and the digital inputs in passes,\n"
    "                 resting SECONDS after each pass (default none)\n"
    "  --treated      add the value treated with the channel's A*x+B and its unit\n"
    "  --count K      stop after K readings of the channel, or K passes (default: Ctrl+C)\n"
    "  One CSV line per reading on standard output: time, channel (D1, D2 for the\n"
    "  digital inputs), reply[, treated value, unit]. The logger is put back into\n"
    "  scanning at the end.\n");

UnattendedEnd runRead(const CommandContext& context, const KorvenctlCommand& command) {
    const QCommandLineOption channel(QStringLiteral("channel"), {}, QStringLiteral("N"));
    const QCommandLineOption treated(QStringLiteral("treated"));
    const QCommandLineOption count(QStringLiteral("count"), {}, QStringLiteral("K"));
    const QCommandLineOption interval(QStringLiteral("interval"), {}, QStringLiteral("SECONDS"));
    CommandOptions options(context, command, {channel, treated, count, interval});
    if (!options.read())
        return UnattendedEnd::BadSetup;

    UnattendedReadingRequest request;
    request.treated = options.isSet(treated);
    if (options.isSet(channel)) {
        request.channel = numberIn(options.value(channel), 0, kHighestChannel);
        if (!request.channel)
            return options.refuse(QStringLiteral("Channels go from 0 to %1.").arg(kHighestChannel));
    }
    if (options.isSet(count)) {
        request.count = numberIn(options.value(count), 1, kMostReadings);
        if (!request.count)
            return options.refuse(
                QStringLiteral("--count takes a number from 1 to %1.").arg(kMostReadings));
    }
    if (options.isSet(interval)) {
        request.interval = numberIn(options.value(interval), 0, kLongestInterval);
        if (!request.interval)
            return options.refuse(QStringLiteral("--interval takes whole seconds from 0 to %1.")
                                      .arg(kLongestInterval));
    }

    UnattendedOutput output;
    output.problem = [&context](const QString& text) { context.console.problem(text); };
    output.result = [&context](const QString& text) { context.console.result(text); };
    UnattendedReading reading(context.programFolder, request, context.port, context.ticks,
                              context.reporter, output);
    // Ctrl+C ends the reading like --count does: the reading under way is
    // finished and the logger put back into scanning.
    const SignalledTicks::StopAction stop(context.ticks, [&reading] { reading.interrupt(); });
    return reading.run();
}

} // namespace

KorvenctlCommand readCommand() {
    KorvenctlCommand command{QStringLiteral("read"), kUsage, {}};
    command.run = [command](const CommandContext& context) { return runRead(context, command); };
    return command;
}

} // namespace korven
