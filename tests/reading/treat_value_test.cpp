#include "reading/treat_value.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

ReadingChannel linear(const QString& gain, const QString& zero, const QString& mask) {
    ReadingChannel channel;
    channel.treatmentCode = QStringLiteral("01");
    channel.gain = gain;
    channel.zero = zero;
    channel.mask = mask;
    return channel;
}

TEST(TreatValue, IsGainTimesTheReadingPlusZeroRoundedDownAsSignAndFiveDigits) {
    EXPECT_EQ(treatValue("+00123", "01", "+00002", "+00010"), "+00256");
    // -12.7 goes down to -13, never towards zero.
    EXPECT_EQ(treatValue("-00127", "01", "+000.1", "+00000"), "-00013");
    EXPECT_EQ(treatValue("+00127", "01", "+000.1", "+00000"), "+00012");
    EXPECT_EQ(treatValue("-00005", "01", "+00001", "+00005"), "+00000");
    // A result beyond five digits keeps them all.
    EXPECT_EQ(treatValue("+19999", "01", "+19999", "+00000"), "+399960001");
}

TEST(TreatValue, AnyOtherTreatmentCodeLeavesTheTextAsItIs) {
    EXPECT_EQ(treatValue("+00123", "0 ", "+00002", "+00010"), "+00123");
    EXPECT_EQ(treatValue("+00123", "02", "+00002", "+00010"), "+00123");
    EXPECT_EQ(treatValue("+00123", QString(2, QChar(0)), "+00002", "+00010"), "+00123");
}

TEST(LiveReading, IsSignAndFiveDigitsWithOrWithoutAPointThenBlanksAndCr) {
    EXPECT_EQ(readingDigits("+123.45 \r"), "+12345");
    EXPECT_EQ(readingDigits("-00150  \r"), "-00150");
    EXPECT_EQ(readingDigits("+1.2345 \r"), "+12345");
    EXPECT_EQ(directValue("+123.45 \r"), 123.45);
    EXPECT_EQ(directValue("-0.0150 \r"), -0.015);
}

TEST(LiveReading, ARepliedTextThatIsNoReadingGivesNoValue) {
    for (const char* reply : {"+12x.45 \r", "+123.4  \r", "12345   \r", "+1234   \r", "+123.45x\r",
                              "         ", "+12.3.4 \r", "!+12345 \r"}) {
        EXPECT_FALSE(readingDigits(QString::fromLatin1(reply))) << reply;
        EXPECT_FALSE(directValue(QString::fromLatin1(reply))) << reply;
        EXPECT_FALSE(treatedValue(QString::fromLatin1(reply), linear("+00001", "+00000", {})))
            << reply;
    }
}

TEST(TreatedReading, TakesThePointOutTreatsAndPlacesThePointByTheChannelsMask) {
    // +001.23 is the text +00123: 123 * 2 + 10 = 256, shown with two decimals.
    EXPECT_EQ(treatedValue("+001.23 \r", linear("+00002", "+00010", "***.**")), 2.56);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", "*****.")), 256);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", "*.****")), 0.0256);
    // A mask that places no point, or none at all, leaves the value whole.
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", ".*****")), 256);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", {})), 256);
    // Past five digits the value is still right: 19999 * 19999 with two decimals.
    EXPECT_EQ(treatedValue("+19999  \r", linear("+19999", "+00000", "***.**")), 3999600.01);
}

TEST(TreatedReading, WithoutTheLinearTreatmentIsTheReadingWithTheChannelsPoint) {
    ReadingChannel direct = linear("+00002", "+00010", "**.***");
    direct.treatmentCode = QStringLiteral("0 ");
    EXPECT_EQ(treatedValue("+123.45 \r", direct), 12.345);
}

TEST(ValueText, ShowsNoTrailingZerosAndNoExponent) {
    EXPECT_EQ(valueText(2.56), "2.56");
    EXPECT_EQ(valueText(256), "256");
    EXPECT_EQ(valueText(-13), "-13");
    EXPECT_EQ(valueText(0.0001), "0.0001");
    EXPECT_EQ(valueText(3999600.01), "3999600.01");
}

} // namespace
} // namespace korven
