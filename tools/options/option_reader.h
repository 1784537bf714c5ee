#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace korven {

// The exit status of a command line that cannot be used.
inline constexpr int kBadUsage = 2;

// Strict reading of a tool's command line: anything the parser does not
// know, an option given twice, a missing or stray argument or a value out of
// its range ends the process with a message on stderr and exit status
// kBadUsage. Asking for help or the version prints it on stdout and ends
// with 0. Options are named without their dashes.
class OptionReader {
public:
    // `arguments`: the names of the arguments the tool takes besides its
    // options, all required, as the help shows them.
    explicit OptionReader(QCommandLineParser& parser, const QStringList& arguments = {})
        : parser_(parser), arguments_(arguments) {}

    void parse(const QStringList& arguments);
    [[noreturn]] void refuse(const QString& why) const;

    bool isSet(const QString& name) const;
    QString text(const QString& name) const;
    // `fallback` when the option is not given.
    int number(const QString& name, int lowest, int highest, int fallback) const;
    // One printable ASCII character.
    char character(const QString& name, char fallback) const;
    // The index of the value in `choices`.
    int choice(const QString& name, const QStringList& choices, int fallback) const;

private:
    QCommandLineParser& parser_;
    QStringList arguments_;
};

} // namespace korven
