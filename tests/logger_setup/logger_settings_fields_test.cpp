#include "link/protocol/commands.h"
#include "logger_setup/clock_fields.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/logger_setup_layouts.h"
#include "logger_setup/scan_choice.h"

#include <gtest/gtest.h>

#include <array>

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

// The logger keeps two digits of the year, read back as 2000 to 2099.
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

using test::generalRecord;

Record recordOf(const QByteArray& bytes) {
    Record par(LoggerParLayout::recordLength);
    par.setBytes(bytes);
    return par;
}

// Zeros, blanks and zero bytes read as the first options; other values as no choice.
TEST(ScanChoice, IsReadFromItsThreeFields) {
    using Choice = std::array<std::optional<int>, 3>; // interval, sleep, acquisition
    const std::pair<QByteArray, Choice> cases[] = {
        {generalRecord("8 ", "07", '1', '0'), {7, 1, 0}},
        {generalRecord("8 ", "00", '0', '0'), {0, 0, 0}},
        {generalRecord("8 ", "  ", ' ', ' '), {0, 0, 0}},
        {QByteArray(LoggerParLayout::recordLength, '\0'), {0, 0, 0}},
        {generalRecord("8 ", "12", '2', '9'), {std::nullopt, std::nullopt, std::nullopt}},
        {generalRecord("8 ", "-1", '0', '0'), {std::nullopt, 0, 0}},
        {generalRecord("8 ", "08", '0', '0'), {std::nullopt, 0, 0}},
    };
    for (const auto& [bytes, expected] : cases) {
        const ScanChoice choice = scanChoiceOf(recordOf(bytes));
        EXPECT_EQ((Choice{choice.interval, choice.sleep, choice.acquisition}), expected)
            << bytes.toStdString();
        EXPECT_EQ(choice.canBeSent(), expected[0] && expected[1]) << bytes.toStdString();
    }
}

TEST(ScanChoice, IsStoredAtItsOffsetsAndEverythingElseStays) {
    Record par = recordOf(generalRecord("8 ", "03", '1', '1'));
    storeScanChoice({0, 0, 7}, par); // "No  Acquisizione", "No  Auto-Sleep", "12 ore"
    EXPECT_EQ(par.bytes(), generalRecord("8 ", "07", '0', '0'));
    storeScanChoice({1, 1, 0}, par); // "Continuo"
    EXPECT_EQ(par.bytes(), generalRecord("8 ", "00", '1', '1'));

    // A group without a choice keeps its field.
    par = recordOf(generalRecord("8 ", "12", '2', '9'));
    storeScanChoice({std::nullopt, 1, std::nullopt}, par);
    EXPECT_EQ(par.bytes(), generalRecord("8 ", "12", '1', '9'));
}

} // namespace
} // namespace korven
