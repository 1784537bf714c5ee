#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace korven {

// The date and time fields of the general parameters as the user typed them.
struct ClockFields {
    QString day;
    QString month;
    QString year; // four digits
    QString hours;
    QString minutes;
    QString seconds;
};

// The fields showing `moment`: two digits each, four for the year.
ClockFields clockFieldsOf(const QDateTime& moment);

// A field is taken when its text reads as a 16-bit whole number; whether the
// number makes a date is the clock setting's business.
bool isAcceptedClockField(const QString& text);
// What a refused field is put back to.
inline const QString kClockFieldReset = QStringLiteral("01");
inline const QString kYearFieldReset = QStringLiteral("2004");

// The moment the fields stand for, each field read as a number. None for a
// date or time that does not exist (31/02, month 13, hour 25) and for a year
// the logger cannot keep: it holds two digits, read as 2000 to 2099.
std::optional<QDateTime> clockSettingOf(const ClockFields& fields);

// The question asked before the logger's clock is set to `moment`.
QString clockSettingQuestion(const QDateTime& moment);

} // namespace korven
