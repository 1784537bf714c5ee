#pragma once

#include "korvenctl/console.h"
#include "korvenctl/stop_signals.h"
#include "link/link_reporter.h"
#include "link/unattended.h"
#include "platform/serial_port.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace korven {

// What every korvenctl command is given: the options before its name, its
// own arguments, and the outside world.
struct CommandContext {
    QString programFolder; // where "config.dat" is
    QStringList arguments; // the command's name and what follows it
    Console& console;
    SerialPort& port;       // the configured port, or the device --device names
    SignalledTicks& ticks;  // Ctrl+C and SIGTERM come through it
    LinkReporter& reporter; // the link's messages, on standard error
};

// One korvenctl command.
struct KorvenctlCommand {
    QString name;
    QString usage; // its lines of the help, options explained
    std::function<UnattendedEnd(const CommandContext&)> run;
};

// The options before the command's name.
struct GlobalOptions {
    QString programFolder;
    QString device;               // empty for the COM mapping
    bool modem = false;           // the command reaches the logger through the modem
    QStringList commandArguments; // the command's name first
};

struct GlobalParse {
    std::optional<GlobalOptions> options; // empty when there is nothing to run
    QString message;                      // the help or version, or what is wrong
    bool done = false;                    // the help or version was asked for
};

// Reads korvenctl's own options up to the command's name. `defaultFolder` is
// the program folder when --folder is not given; `usage` the commands' help.
GlobalParse parseGlobalOptions(const QStringList& arguments, const QString& defaultFolder,
                               const QString& usage);

// A command's own options: read with the usual rules (an unknown option, a
// repeated one, or a stray word is refused) and the command's usage shown
// with the refusal.
class CommandOptions {
public:
    CommandOptions(const CommandContext& context, const KorvenctlCommand& command,
                   const QList<QCommandLineOption>& options);

    // False, after telling the user why, when the arguments cannot be used.
    // Words that are not options are refused unless `wordsAllowed`.
    bool read(bool wordsAllowed = false);
    QStringList words() const { return parser_.positionalArguments(); }
    bool isSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QString value(const QCommandLineOption& option) const { return parser_.value(option); }
    // Tells the user why the options cannot be used; BadSetup to return.
    UnattendedEnd refuse(const QString& why) const;

private:
    const CommandContext& context_;
    const KorvenctlCommand& command_;
    QList<QCommandLineOption> options_;
    QCommandLineParser parser_;
};

// Problems on standard error, results on standard output.
UnattendedOutput consoleOutput(const CommandContext& context);

// A whole number from `lowest` to `highest`; empty for anything else.
std::optional<int> numberIn(const QString& text, int lowest, int highest);

} // namespace korven
