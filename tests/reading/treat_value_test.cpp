#include "reading/treat_value.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

ReadingChannel linear(const QString& gain, const QString& zero, const QString& mask,
                      const QString& treatmentCode = QStringLiteral("01")) {
    return {.treatmentCode = treatmentCode, .gain = gain, .zero = zero, .mask = mask};
}

TEST(TreatValue, IsGainTimesTheReadingPlusZeroExactlyInDecimalRoundedDown) {
    struct Case {
        const char* reading;
        const char* gain;
        const char* zero;
        const char* treated;
    };
    // Worked out by hand: exact in decimal, rounded towards minus infinity.
    const Case cases[] = {
        {"+00123", "+00002", "+00010", "+00256"},
        {"+00100", "0.58", "+00000", "+00058"}, // 0.58 in binary is below 0.58
        {"+00100", "+00.29", "+00000", "+00029"},
        {"+00100", "+000.57", "+000.01", "+00057"},
        {"+00010", "+01.10", "-00011", "+00000"},
        {"+00003", "+0.333", "+00000", "+00000"}, // 0.999 goes down
        {"-00127", "+000.1", "+00000", "-00013"}, // -12.7 goes down, not towards zero
        {"+00127", "+000.1", "+00000", "+00012"},
        {"-00001", "+00001", "+000.5", "-00001"},
        {"-00005", "+00001", "+00005", "+00000"},
        {"+1235", "+00002", "+00010", "+02480"},      // a reading of "+12.35"
        {"+19999", "+19999", "+00000", "+399960001"}, // past five digits, all kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(treatValue(c.reading, "01", c.gain, c.zero), c.treated)
            << c.reading << " x " << c.gain << " + " << c.zero;
}

TEST(TreatValue, AnyOtherTreatmentCodeLeavesTheTextAsItIs) {
    EXPECT_EQ(treatValue("+00123", "0 ", "+00002", "+00010"), "+00123");
    EXPECT_EQ(treatValue("+00123", "02", "+00002", "+00010"), "+00123");
    EXPECT_EQ(treatValue("+00123", QString(2, QChar(0)), "+00002", "+00010"), "+00123");
}

TEST(LiveReading, IsASignAndDigitsWithOrWithoutAPointThenBlanksAndCr) {
    EXPECT_EQ(readingDigits("+123.45 \r"), "+12345");
    EXPECT_EQ(readingDigits("-00150  \r"), "-00150");
    EXPECT_EQ(readingDigits("+1.2345 \r"), "+12345");
    EXPECT_EQ(readingDigits("+12.35  \r"), "+1235");
    EXPECT_EQ(readingDigits("+123.4  \r"), "+1234");
    EXPECT_EQ(directValue("+123.45 \r"), 123.45);
    EXPECT_EQ(directValue("-0.0150 \r"), -0.015);
    EXPECT_EQ(directValue("+12.35  \r"), 12.35);
}

TEST(LiveReading, ARepliedTextThatIsNoReadingGivesNoValue) {
    for (const char* reply : {"+12x.45 \r", "12345   \r", "+123456 \r", "+123.45x\r", "+.      \r",
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
    // A logger that drops the leading zeros: "+12.35" is 1235, so 2480, 24.8.
    EXPECT_EQ(treatedValue("+12.35  \r", linear("+00002", "+00010", "***.**")), 24.8);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", "*****.")), 256);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", "*.****")), 0.0256);
    // A mask that places no point, or none at all, leaves the value whole.
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", ".*****")), 256);
    EXPECT_EQ(treatedValue("+00123  \r", linear("+00002", "+00010", {})), 256);
    // Past five digits the value is still right: 19999 * 19999 with two decimals.
    EXPECT_EQ(treatedValue("+19999  \r", linear("+19999", "+00000", "***.**")), 3999600.01);
    // Without the linear treatment, the reading with the channel's point.
    EXPECT_EQ(treatedValue("+123.45 \r", linear("+00002", "+00010", "**.***", "0 ")), 12.345);
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
