#include "link/protocol/commands.h"
#include "logger_setup/clock_fields.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// Day, month, year, hours, minutes, seconds as typed; the command they give.
QByteArray commandFrom(const QStringList& typed) {
    const std::optional<QDateTime> moment =
        clockSettingOf({typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]});
    return moment ? command::clockSetting(*moment) : QByteArray("refused");
}

TEST(ClockFields, ShowAMomentWithTwoDigitsEachAndFourForTheYear) {
    const ClockFields shown = clockFieldsOf(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    const QStringList fields = {shown.day,   shown.month,   shown.year,
                                shown.hours, shown.minutes, shown.seconds};
    EXPECT_EQ(fields, QStringList({"05", "03", "2024", "09", "07", "03"}));
    EXPECT_EQ(commandFrom(fields), "G240305090703");
    EXPECT_EQ(clockSettingQuestion(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))),
              QStringLiteral("Verrà modificata la data della KORVEN\rLa nuova data sarà:\r"
                             "05/03/2024  09:07:03\rProseguire?"));
}

// A typed decimal rounds, as the field check takes it. The logger keeps two
// digits of the year, read back as 2000 to 2099: any other year would come
// back as another date.
TEST(ClockFields, AreSentAsTwoDigitsAndAnImpossibleMomentIsRefused) {
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"7", "3", "2024", "9", "7", "3"}, "G240307090703"},
        {{"31", "12", "2099", "23", "59", "59"}, "G991231235959"},
        {{" 5", "03", "2000", "0", "0", "0"}, "G000305000000"},
        {{"4.6", "3", "2024", "9", "7", "3"}, "G240305090703"},
        {{"29", "02", "2024", "12", "00", "00"}, "G240229120000"},
        {{"31", "02", "2024", "12", "00", "00"}, "refused"},
        {{"29", "02", "2023", "12", "00", "00"}, "refused"},
        {{"05", "13", "2024", "12", "00", "00"}, "refused"},
        {{"00", "03", "2024", "12", "00", "00"}, "refused"},
        {{"05", "03", "2024", "25", "00", "00"}, "refused"},
        {{"05", "03", "2024", "12", "60", "00"}, "refused"},
        {{"05", "03", "2024", "12", "00", "60"}, "refused"},
        {{"-5", "03", "2024", "12", "00", "00"}, "refused"},
        {{"05", "03", "2024", "12", "00", ""}, "refused"},
        {{"05", "03", "1999", "12", "00", "00"}, "refused"},
        {{"05", "03", "2100", "12", "00", "00"}, "refused"},
        {{"05", "03", "24", "12", "00", "00"}, "refused"},
        {{"05", "03", "0024", "12", "00", "00"}, "refused"},
    };
    for (const auto& [typed, command] : cases)
        EXPECT_EQ(commandFrom(typed), command) << typed.join(u' ').toStdString();
}

TEST(ClockFields, TheFieldCheckTakesAnySixteenBitNumber) {
    for (const char* text : {"7", "07", "2004", "-3", "99", "32767", " 12 "})
        EXPECT_TRUE(isAcceptedClockField(QString::fromLatin1(text))) << text;
    for (const char* text : {"", "abc", "7a", "32768", "1e3", " "})
        EXPECT_FALSE(isAcceptedClockField(QString::fromLatin1(text))) << text;
}

} // namespace
} // namespace korven
