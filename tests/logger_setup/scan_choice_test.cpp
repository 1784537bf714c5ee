#include "logger_setup/logger_setup_layouts.h"
#include "logger_setup/scan_choice.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// The general record laid out field by field: channel count (0), unused (2),
// scan code (4), sleep flag (6), unused (7), acquisition flag (23), memory
// size (24), unused (29), digital inputs (30, 33), unused (36).
QByteArray generalRecord(const QByteArray& scan, char sleep, char acquisition) {
    return "8 " + QByteArray("xy") + scan + sleep + QByteArray(16, '-') + acquisition + "256 K" +
           "|" + "ON " + "OFF" + "end";
}

Record recordOf(const QByteArray& bytes) {
    Record par(LoggerParLayout::recordLength);
    par.setBytes(bytes);
    return par;
}

TEST(ScanChoice, IsReadFromItsThreeFields) {
    const ScanChoice choice = scanChoiceOf(recordOf(generalRecord("07", '1', '0')));
    EXPECT_EQ(choice.interval, 7);
    EXPECT_EQ(choice.sleep, 1);
    EXPECT_EQ(choice.acquisition, 0);
    EXPECT_TRUE(choice.canBeSent());
}

TEST(ScanChoice, ZerosBlanksAndZeroBytesReadAsTheFirstOptions) {
    for (const QByteArray& bytes : {generalRecord("00", '0', '0'), generalRecord("  ", ' ', ' '),
                                    QByteArray(LoggerParLayout::recordLength, '\0')}) {
        const ScanChoice choice = scanChoiceOf(recordOf(bytes));
        EXPECT_EQ(choice.interval, 0);
        EXPECT_EQ(choice.sleep, 0);
        EXPECT_EQ(choice.acquisition, 0);
    }
}

TEST(ScanChoice, AValueNoOptionStandsForIsNoChoice) {
    const ScanChoice choice = scanChoiceOf(recordOf(generalRecord("12", '2', '9')));
    EXPECT_EQ(choice.interval, std::nullopt);
    EXPECT_EQ(choice.sleep, std::nullopt);
    EXPECT_EQ(choice.acquisition, std::nullopt);
    EXPECT_FALSE(choice.canBeSent());
    EXPECT_EQ(scanChoiceOf(recordOf(generalRecord("-1", '0', '0'))).interval, std::nullopt);
    EXPECT_EQ(scanChoiceOf(recordOf(generalRecord("08", '0', '0'))).interval, std::nullopt);
}

TEST(ScanChoice, IsStoredAtItsOffsetsAndEverythingElseStays) {
    Record par = recordOf(generalRecord("03", '1', '1'));
    storeScanChoice({0, 0, 7}, par); // "No  Acquisizione", "No  Auto-Sleep", "12 ore"
    EXPECT_EQ(par.bytes(), generalRecord("07", '0', '0'));
    EXPECT_EQ(par.bytes().mid(4, 2), "07");

    storeScanChoice({1, 1, 0}, par); // "Continuo"
    EXPECT_EQ(par.bytes(), generalRecord("00", '1', '1'));
}

TEST(ScanChoice, AGroupWithoutAChoiceKeepsItsField) {
    Record par = recordOf(generalRecord("12", '2', '9'));
    storeScanChoice({std::nullopt, 1, std::nullopt}, par);
    EXPECT_EQ(par.bytes(), generalRecord("12", '1', '9'));
}

} // namespace
} // namespace korven
