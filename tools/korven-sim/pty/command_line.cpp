#include "pty/command_line.h"

#include "sim/block_memory.h"

#include <QCommandLineParser>
#include <QDateTime>

namespace korven::sim {

namespace {

// Address bytes run from 128 to 254; 255 is the wake-up byte.
constexpr int kHighestCode = 126;
constexpr int kTenYearsSeconds = 10 * 366 * 24 * 3600;
constexpr int kLongestDelayMs = 120'000;
constexpr int kManyExchanges = 1'000'000;
constexpr int kLongestReply = 400;

const QStringList kCallOutcomes{QStringLiteral("connect"), QStringLiteral("busy"),
                                QStringLiteral("no-answer"), QStringLiteral("no-carrier")};

QCommandLineOption valued(const char* name, const char* description, const char* valueName) {
    return {QLatin1String(name), QLatin1String(description), QLatin1String(valueName)};
}

QCommandLineOption flag(const char* name, const char* description) {
    return {QLatin1String(name), QLatin1String(description)};
}

} // namespace

ServeOptions parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a KORVEN data logger, and if asked a Hayes modem in front of it,\n"
        "behind a pseudo-terminal. Exit status: 0 when stopped by SIGINT or SIGTERM,\n"
        "1 when it cannot serve, 2 for a bad command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        valued("link", "Symbolic link to create to the pseudo-terminal (required).", "PATH"),
        valued("code", "Logger code, 0 to 126 (default 1): answers address bytes 128 and 128 + N.",
               "N"),
        valued("blocks", "Blocks stored in memory at start, 0 to 65535 (default 300).", "N"),
        valued("clock-offset",
               "Logger clock this many seconds ahead of the computer's (or "
               "behind, when negative).",
               "SECONDS"),
        flag("record", "Store a new block at every scan interval while acquiring."),
        flag("short-readings",
             "Send readings without the zeros before their first digit (\"+12.35\")."),
        valued("block-form",
               "Block replies of 95 characters before the CR (default) or 96, "
               "with a separator after the last byte too.",
               "95|96"),
        valued("block-separator",
               "Character between the bytes of a block reply (default a "
               "blank).",
               "C"),
        valued("dump-setup", "Keep FILE up to date with what the logger holds (JSON).", "FILE"),
        flag("throttle", "Send no faster than the line speed the client set."),
        flag("verbose", "Log bytes, addresses, commands and modem events to stderr."),
        flag("silent", "Fault: never send anything."),
        flag("never-wakes", "Fault: sleep through every wake-up burst."),
        valued("silent-after", "Fault: send nothing once N commands have been answered.", "N"),
        valued("handshake-reply", "Fault: answer the address byte with C instead of \"!\".", "C"),
        valued("cut-replies", "Fault: cut longer replies to N characters.", "N"),
        valued("corrupt-every", "Fault: one character of every Nth reply becomes \"x\".", "N"),
        valued("drop-every", "Fault: leave out every Nth character sent.", "N"),
        valued("slow-reply", "Fault: send everything MS milliseconds later.", "MS"),
        flag("modem", "Put a Hayes modem in front of the logger."),
        valued("modem-call",
               "What the dialled line does: connect (default), busy, no-answer "
               "or no-carrier.",
               "OUTCOME"),
        valued("modem-call-time",
               "Milliseconds from the dial command to its result "
               "(default 3000).",
               "MS"),
        flag("modem-off", "The modem is switched off: it answers nothing."),
        flag("modem-ignore-escape", "Fault: \"+++\" never returns the modem to command mode."),
        flag("modem-silent-hang-up", "Fault: ATH0 is never answered and the call stays up."),
    });

    OptionReader reader(parser);
    reader.parse(arguments);
    const auto name = [](const char* text) { return QString::fromLatin1(text); };

    ServeOptions result;
    result.linkPath = reader.text(name("link"));
    if (result.linkPath.isEmpty())
        reader.refuse(QStringLiteral("--link PATH is required"));
    result.logger.code = reader.number(name("code"), 0, kHighestCode, 1);
    result.logger.blocks = reader.number(name("blocks"), 0, BlockMemory::kHighestBlockCount, 300);
    const int offset = reader.number(name("clock-offset"), -kTenYearsSeconds, kTenYearsSeconds, 0);
    if (offset != 0)
        result.logger.clockStart = QDateTime::currentDateTime().addSecs(offset);
    result.logger.recording = reader.isSet(name("record"));
    result.logger.shortReadings = reader.isSet(name("short-readings"));
    result.logger.blockForm.separatorAfterLast =
        reader.choice(name("block-form"), {QStringLiteral("95"), QStringLiteral("96")}, 0) == 1;
    result.logger.blockForm.separator = reader.character(name("block-separator"), ' ');
    result.setupDumpPath = reader.text(name("dump-setup"));
    result.throttle = reader.isSet(name("throttle"));
    result.verbose = reader.isSet(name("verbose"));

    FaultPlan& faults = result.faults;
    faults.silent = reader.isSet(name("silent"));
    faults.neverWakes = reader.isSet(name("never-wakes"));
    faults.silentAfterCommands = reader.number(name("silent-after"), 0, kManyExchanges, -1);
    if (reader.isSet(name("handshake-reply")))
        faults.handshakeReply = reader.character(name("handshake-reply"), '!');
    faults.cutRepliesTo = reader.number(name("cut-replies"), 0, kLongestReply, -1);
    faults.corruptEveryNthReply = reader.number(name("corrupt-every"), 1, kManyExchanges, 0);
    faults.dropEveryNth = reader.number(name("drop-every"), 1, kManyExchanges, 0);
    faults.slowMs = reader.number(name("slow-reply"), 0, kLongestDelayMs, 0);

    if (!reader.isSet(name("modem"))) {
        for (const char* modemOption : {"modem-call", "modem-call-time", "modem-off",
                                        "modem-ignore-escape", "modem-silent-hang-up"}) {
            if (reader.isSet(name(modemOption)))
                reader.refuse(QStringLiteral("--%1 needs --modem").arg(name(modemOption)));
        }
        return result;
    }
    ModemConfig modem;
    modem.switchedOn = !reader.isSet(name("modem-off"));
    modem.ignoresEscape = reader.isSet(name("modem-ignore-escape"));
    modem.silentHangUp = reader.isSet(name("modem-silent-hang-up"));
    modem.call = static_cast<CallOutcome>(reader.choice(name("modem-call"), kCallOutcomes, 0));
    modem.callMs = reader.number(name("modem-call-time"), 0, kLongestDelayMs, modem.callMs);
    result.modem = modem;
    return result;
}

} // namespace korven::sim
