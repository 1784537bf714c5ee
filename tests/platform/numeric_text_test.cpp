#include "platform/numeric_text.h"

#include <gtest/gtest.h>

using namespace korven;

TEST(NumericText, LeadingNumberReadsWhatStartsTheText) {
    EXPECT_EQ(leadingNumber(QStringLiteral("4 ")), 4);
    EXPECT_EQ(leadingNumber(QStringLiteral("16")), 16);
    EXPECT_EQ(leadingNumber(QStringLiteral("  -1.5x")), -1.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingNumber(QString(2, QChar(u'\0'))), 0);
}

TEST(NumericText, DigitValueReadsNonDigitsAsZero) {
    EXPECT_EQ(digitValue(QStringLiteral("3")), 3);
    EXPECT_EQ(digitValue(QStringLiteral(" ")), 0);
    EXPECT_EQ(digitValue(QString(QChar(u'\0'))), 0);
    EXPECT_EQ(digitValue(QString()), 0);
}

TEST(NumericText, SixteenBitValuesOutsideTheRangeAreRefusedNotWrapped) {
    EXPECT_EQ(toInt16(QStringLiteral("32767")), 32767);
    EXPECT_EQ(toInt16(QStringLiteral(" -32768 ")), -32768);
    EXPECT_EQ(toInt16(QStringLiteral("4099")), 4099);
    EXPECT_EQ(toInt16(QStringLiteral("32768")), std::nullopt);
    EXPECT_EQ(toInt16(QStringLiteral("70000")), std::nullopt);
    EXPECT_EQ(toInt16(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(toInt16(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(toInt16(QStringLiteral("12abc")), std::nullopt);
}
