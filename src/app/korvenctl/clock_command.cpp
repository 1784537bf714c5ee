#include "korvenctl/clock_command.h"

#include "link/unattended_clock.h"

namespace korven {

namespace {

// The codes a logger can be given on the transmission screen; 0 reaches
// whichever logger is on the line.
constexpr int kHighestCode = 9;
// Ten years: beyond that a threshold means nothing.
constexpr int kLongestDrift = 10 * 366 * 24 * 3600;

const QString kUsage = QStringLiteral(
    "  korvenctl [--folder DIR] [--device PATH] clock [--code N]\n"
    "  korvenctl [--folder DIR] [--device PATH] clock --set [--if-drift SECONDS] [--code N]\n"
    "\n"
    "                 print the logger's clock, the computer's, and the drift in seconds\n"
    "                 (+ when the logger is ahead)\n"
    "  --code N       the logger's code, 0 to 9 (default 0: whichever logger answers)\n"
    "  --set          set the logger's clock to the computer's, then read it back\n"
    "  --if-drift SECONDS\n"
    "                 with --set: only when the logger is more than SECONDS off\n");

UnattendedEnd runClock(const CommandContext& context, const KorvenctlCommand& command) {
    const QCommandLineOption code(QStringLiteral("code"), {}, QStringLiteral("N"));
    const QCommandLineOption set(QStringLiteral("set"));
    const QCommandLineOption ifDrift(QStringLiteral("if-drift"), {}, QStringLiteral("SECONDS"));
    CommandOptions options(context, command, {code, set, ifDrift});
    if (!options.read())
        return UnattendedEnd::BadSetup;

    UnattendedClockRequest request;
    request.set = options.isSet(set);
    if (options.isSet(code)) {
        const auto number = numberIn(options.value(code), 0, kHighestCode);
        if (!number)
            return options.refuse(
                QStringLiteral("Logger codes go from 0 to %1.").arg(kHighestCode));
        request.loggerNumber = *number;
    }
    if (options.isSet(ifDrift)) {
        if (!request.set)
            return options.refuse(QStringLiteral("--if-drift goes with --set."));
        request.ifDriftOver = numberIn(options.value(ifDrift), 0, kLongestDrift);
        if (!request.ifDriftOver)
            return options.refuse(
                QStringLiteral("--if-drift takes whole seconds from 0 to %1.").arg(kLongestDrift));
    }

    UnattendedOutput output;
    output.problem = [&context](const QString& text) { context.console.problem(text); };
    output.result = [&context](const QString& text) { context.console.result(text); };
    return runUnattendedClock(context.programFolder, request, context.port, context.ticks,
                              context.reporter, output);
}

} // namespace

KorvenctlCommand clockCommand() {
    KorvenctlCommand command{QStringLiteral("clock"), kUsage, {}};
    command.run = [command](const CommandContext& context) { return runClock(context, command); };
    return command;
}

} // namespace korven
