#include "link/hex_value.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(HexToValue, ReadsFourUpperCaseDigits) {
    EXPECT_EQ(hexToValue("0000"), 0);
    EXPECT_EQ(hexToValue("FFFF"), 65535);
    EXPECT_EQ(hexToValue("00FF"), 255);
    EXPECT_EQ(hexToValue("1A2B"), 6699);
    EXPECT_EQ(hexToValue("012C and more"), 300);
}

TEST(HexToValue, RejectsWhatIsNotUpperCaseHexadecimal) {
    EXPECT_EQ(hexToValue("00ff"), std::nullopt);
    EXPECT_EQ(hexToValue("0x12"), std::nullopt);
    EXPECT_EQ(hexToValue("12 4"), std::nullopt);
    EXPECT_EQ(hexToValue("12G4"), std::nullopt);
    EXPECT_EQ(hexToValue("12:4"), std::nullopt);
    EXPECT_EQ(hexToValue("012"), std::nullopt);
    EXPECT_EQ(hexToValue(QByteArray("\xFF\xFF\xFF\xFF")), std::nullopt);
}

} // namespace
} // namespace korven
