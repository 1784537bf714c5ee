#include "korvenctl/setup_command.h"

#include "link/unattended_setup_send.h"

namespace korven {

namespace {

// The codes the transmission screen takes; 0 reaches any logger.
constexpr int kHighestLoggerCode = 9;

const QString kUsage = QStringLiteral(
    "  korvenctl [--folder DIR] [--device PATH] setup send [--code N]\n"
    "\n"
    "  send           send the logger set-up named in config.dat (its channel file\n"
    "                 and channel count) to the logger, then put it back into scanning\n"
    "  --code N       the logger's code, 0 to 9 (default 0, which every logger answers)\n");

UnattendedEnd runSetup(const CommandContext& context, const KorvenctlCommand& command) {
    const QCommandLineOption code(QStringLiteral("code"), {}, QStringLiteral("N"));
    // "send" is the only action so far; the options follow it.
    CommandContext send = context;
    if (send.arguments.value(1) != u"send") {
        context.console.problem(QStringLiteral("setup needs an action: send\n\nUsage:\n") +
                                command.usage);
        return UnattendedEnd::BadSetup;
    }
    send.arguments.removeAt(1);
    CommandOptions options(send, command, {code});
    if (!options.read())
        return UnattendedEnd::BadSetup;

    UnattendedSetupSend request;
    if (options.isSet(code)) {
        const auto loggerNumber = numberIn(options.value(code), 0, kHighestLoggerCode);
        if (!loggerNumber)
            return options.refuse(
                QStringLiteral("Logger codes go from 0 to %1.").arg(kHighestLoggerCode));
        request.loggerNumber = *loggerNumber;
    }
    request.progress = [&context](const QString& text) { context.console.problem(text); };

    return runUnattendedSetupSend(context.programFolder, request, context.port, context.ticks,
                                  context.reporter, consoleOutput(context));
}

} // namespace

KorvenctlCommand setupCommand() {
    KorvenctlCommand command{QStringLiteral("setup"), kUsage, {}};
    command.run = [command](const CommandContext& context) { return runSetup(context, command); };
    return command;
}

} // namespace korven
