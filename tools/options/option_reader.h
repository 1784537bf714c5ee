#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace korven::sim {

// Strict reading of a command line: anything the parser does not know, an
// option given twice, a stray argument or a value out of its range ends the
// process with a message on stderr and exit status 2. Asking for help or the
// version prints it on stdout and ends with 0. Options are named without
// their dashes.
class OptionReader {
public:
    explicit OptionReader(QCommandLineParser& parser) : parser_(parser) {}

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
};

} // namespace korven::sim
