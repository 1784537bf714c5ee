#include "logger_setup/clock_fields.h"

#include "logger_setup/logger_settings_texts.h"
#include "platform/numeric_text.h"

namespace korven {

namespace {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;

} // namespace

ClockFields clockFieldsOf(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const auto twoDigits = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    return {twoDigits(date.day()),
            twoDigits(date.month()),
            QString::number(date.year()).rightJustified(4, u'0'),
            twoDigits(time.hour()),
            twoDigits(time.minute()),
            twoDigits(time.second())};
}

bool isAcceptedClockField(const QString& text) {
    return toInt16(text).has_value();
}

std::optional<QDateTime> clockSettingOf(const ClockFields& fields) {
    const auto day = toInt16(fields.day);
    const auto month = toInt16(fields.month);
    const auto year = toInt16(fields.year);
    const auto hours = toInt16(fields.hours);
    const auto minutes = toInt16(fields.minutes);
    const auto seconds = toInt16(fields.seconds);
    if (!day || !month || !year || !hours || !minutes || !seconds)
        return std::nullopt;
    if (*year < kFirstYear || *year > kLastYear)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    const QTime time(*hours, *minutes, *seconds);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

QString clockSettingQuestion(const QDateTime& moment) {
    return logger_settings_texts::clockWillChange + u'\r' + logger_settings_texts::newClockIs +
           u'\r' + moment.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("  ") +
           moment.toString(QStringLiteral("HH:mm:ss")) + u'\r' + logger_settings_texts::goOn;
}

} // namespace korven
