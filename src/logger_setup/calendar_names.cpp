#include "logger_setup/calendar_names.h"

#include <QStringList>

namespace korven {
namespace {

const QStringList kMonths = {
    QStringLiteral("GENNAIO  "), QStringLiteral("FEBBRAIO "), QStringLiteral("MARZO    "),
    QStringLiteral("APRILE   "), QStringLiteral("MAGGIO   "), QStringLiteral("GIUGNO   "),
    QStringLiteral("LUGLIO   "), QStringLiteral("AGOSTO   "), QStringLiteral("SETTEMBRE"),
    QStringLiteral("OTTOBRE  "), QStringLiteral("NOVEMBRE "), QStringLiteral("DICEMBRE ")};

const QStringList kWeekdays = {QStringLiteral("Domenica "), QStringLiteral("Lunedi   "),
                               QStringLiteral("Martedi  "), QStringLiteral("Mercoledi"),
                               QStringLiteral("Giovedi  "), QStringLiteral("Venerdi  "),
                               QStringLiteral("Sabato   ")};

std::optional<QString> pick(const QStringList& names, int number) {
    if (number < 1 || number > names.size())
        return std::nullopt;
    return names[number - 1];
}

} // namespace

std::optional<QString> monthName(int month) { return pick(kMonths, month); }
std::optional<QString> weekdayName(int day) { return pick(kWeekdays, day); }

} // namespace korven
