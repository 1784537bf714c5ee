#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/logger_setup_layouts.h"
#include "logger_setup/scan_choice.h"

#include <gtest/gtest.h>

#include <array>

namespace korven {
namespace {

using test::generalRecord;

Record recordOf(const QByteArray& bytes) {
    Record par(LoggerParLayout::recordLength);
    par.setBytes(bytes);
    return par;
}

// Zeros, blanks and zero bytes read as the first options; a value no option
// stands for is no choice, and such a choice cannot be sent.
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
