#include "option_reader.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace korven {

void OptionReader::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments))
        refuse(parser_.errorText());
    QStringList seen;
    for (const QString& name : parser_.optionNames()) {
        if (seen.contains(name))
            refuse(QStringLiteral("--%1 is given more than once").arg(name));
        seen.append(name);
    }
    if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser_.helpText()), stdout);
        std::exit(EXIT_SUCCESS);
    }
    if (parser_.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        std::exit(EXIT_SUCCESS);
    }
    const QStringList given = parser_.positionalArguments();
    if (given.size() > arguments_.size())
        refuse(QStringLiteral("unexpected argument %1").arg(given.at(arguments_.size())));
    if (given.size() < arguments_.size())
        refuse(QStringLiteral("%1 is missing").arg(arguments_.at(given.size())));
}

void OptionReader::refuse(const QString& why) const {
    std::fprintf(stderr, "%s: %s\nRun %s --help for the options.\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(why),
                 qPrintable(QCoreApplication::applicationName()));
    std::exit(kBadUsage);
}

bool OptionReader::isSet(const QString& name) const {
    return parser_.isSet(name);
}

QString OptionReader::text(const QString& name) const {
    return parser_.value(name);
}

int OptionReader::number(const QString& name, int lowest, int highest, int fallback) const {
    if (!parser_.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser_.value(name).toInt(&ok);
    if (!ok || value < lowest || value > highest)
        refuse(QStringLiteral("--%1 takes a whole number from %2 to %3")
                   .arg(name)
                   .arg(lowest)
                   .arg(highest));
    return value;
}

char OptionReader::character(const QString& name, char fallback) const {
    if (!parser_.isSet(name))
        return fallback;
    const QString value = parser_.value(name);
    if (value.size() != 1 || value.at(0).unicode() < 0x20 || value.at(0).unicode() > 0x7E)
        refuse(QStringLiteral("--%1 takes one printable ASCII character").arg(name));
    return static_cast<char>(value.at(0).unicode());
}

int OptionReader::choice(const QString& name, const QStringList& choices, int fallback) const {
    if (!parser_.isSet(name))
        return fallback;
    const qsizetype index = choices.indexOf(parser_.value(name));
    if (index < 0)
        refuse(
            QStringLiteral("--%1 takes one of: %2").arg(name, choices.join(QStringLiteral(", "))));
    return static_cast<int>(index);
}

} // namespace korven
