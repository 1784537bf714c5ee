#include "link/protocol/commands.h"
#include "logger_setup/clock_fields.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

ClockFields fields(const char* day, const char* month, const char* year, const char* hours,
                   const char* minutes, const char* seconds) {
    return {QString::fromLatin1(day),   QString::fromLatin1(month),   QString::fromLatin1(year),
            QString::fromLatin1(hours), QString::fromLatin1(minutes), QString::fromLatin1(seconds)};
}

QByteArray commandFrom(const ClockFields& typed) {
    const std::optional<QDateTime> moment = clockSettingOf(typed);
    return moment ? command::clockSetting(*moment) : QByteArray("refused");
}

TEST(ClockFields, ShowAMomentWithTwoDigitsEachAndFourForTheYear) {
    const ClockFields shown = clockFieldsOf(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    EXPECT_EQ(shown.day, "05");
    EXPECT_EQ(shown.month, "03");
    EXPECT_EQ(shown.year, "2024");
    EXPECT_EQ(shown.hours, "09");
    EXPECT_EQ(shown.minutes, "07");
    EXPECT_EQ(shown.seconds, "03");
    EXPECT_EQ(commandFrom(shown), "G240305090703");
}

TEST(ClockFields, AreSentAsTwoDigitsWhateverWasTyped) {
    EXPECT_EQ(commandFrom(fields("7", "3", "2024", "9", "7", "3")), "G240307090703");
    EXPECT_EQ(commandFrom(fields("31", "12", "2099", "23", "59", "59")), "G991231235959");
    EXPECT_EQ(commandFrom(fields(" 5", "03", "2000", "0", "0", "0")), "G000305000000");
    // Read as numbers: a typed decimal rounds, as the field check takes it.
    EXPECT_EQ(commandFrom(fields("4.6", "3", "2024", "9", "7", "3")), "G240305090703");
}

TEST(ClockFields, AnImpossibleDateOrTimeIsRefused) {
    for (const ClockFields& typed :
         {fields("31", "02", "2024", "12", "00", "00"),
          fields("29", "02", "2023", "12", "00", "00"),
          fields("05", "13", "2024", "12", "00", "00"),
          fields("00", "03", "2024", "12", "00", "00"),
          fields("05", "03", "2024", "25", "00", "00"),
          fields("05", "03", "2024", "12", "60", "00"),
          fields("05", "03", "2024", "12", "00", "60"),
          fields("-5", "03", "2024", "12", "00", "00"), fields("05", "03", "2024", "12", "00", "")})
        EXPECT_EQ(commandFrom(typed), "refused")
            << typed.day.toStdString() << '/' << typed.month.toStdString() << ' '
            << typed.hours.toStdString();
    EXPECT_EQ(commandFrom(fields("29", "02", "2024", "12", "00", "00")), "G240229120000");
}

// The logger keeps two digits of the year, read back as 2000 to 2099: any
// other year would come back as another date.
TEST(ClockFields, AYearTheLoggerCannotKeepIsRefused) {
    for (const char* year : {"1999", "2100", "24", "0024"})
        EXPECT_EQ(commandFrom(fields("05", "03", year, "12", "00", "00")), "refused") << year;
}

TEST(ClockFields, TheFieldCheckTakesAnySixteenBitNumber) {
    for (const char* text : {"7", "07", "2004", "-3", "99", "32767", " 12 "})
        EXPECT_TRUE(isAcceptedClockField(QString::fromLatin1(text))) << text;
    for (const char* text : {"", "abc", "7a", "32768", "1e3", " "})
        EXPECT_FALSE(isAcceptedClockField(QString::fromLatin1(text))) << text;
    EXPECT_EQ(kClockFieldReset, "01");
    EXPECT_EQ(kYearFieldReset, "2004");
}

TEST(ClockFields, TheQuestionShowsTheNewDateAndTime) {
    EXPECT_EQ(clockSettingQuestion(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3))),
              QStringLiteral("Verrא modificata la data della KORVEN\rLa nuova data sarא:\r"
                             "05/03/2024  09:07:03\rProseguire?"));
}

} // namespace
} // namespace korven
