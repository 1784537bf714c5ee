#include "logger_setup/number_format.h"

#include <gtest/gtest.h>

using namespace korven;

TEST(DecimalPoint, MovesByPositionAndNeverChangesTheDigits) {
    const QStringList shown = {"+12345", "+1234.5", "+123.45", "+12.345", "+1.2345", "+.12345"};
    for (int d = 0; d <= 5; ++d)
        EXPECT_EQ(insertDecimalPoint(d, "+12345"), shown[d]) << d;
    EXPECT_EQ(insertDecimalPoint(6, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(-1, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(4, "-00150"), "-0.0150");
    for (int d = 0; d <= 5; ++d)
        EXPECT_EQ(removeDecimalPoint(shown[d]), "+12345") << d;
    EXPECT_EQ(removeDecimalPoint("-0.0150"), "-00150");
    EXPECT_EQ(removeDecimalPoint("+12345."), "+12345");
    EXPECT_EQ(removeDecimalPoint("12.5"), "125");
    EXPECT_EQ(removeDecimalPoint("+1.5"), "+15");
    EXPECT_EQ(formatByMask("*.****", removeDecimalPoint("+123.45")), "+1.2345");
    EXPECT_EQ(formatByMask("????", "+12345"), "+12345");
    EXPECT_EQ(formatByMask(QStringList{"*****.", "**.***"}, 1, "+12345"), "+12.345");
}

TEST(NormaliseEntry, ValidValuesTakeTheChannelFormat) {
    auto shown = [](const QString& typed, int d) { return normaliseEntry(typed, d).text; };
    EXPECT_EQ(shown("+123.45", 2), "+123.45");
    EXPECT_EQ(shown("12.5", 2), "+001.25");
    EXPECT_EQ(shown("-000.50", 2), "-000.50");
    EXPECT_EQ(shown("+19999", 0), "+19999");
    EXPECT_EQ(shown("+20000", 0), "+19999");
    EXPECT_EQ(shown("-20000", 0), "-19999");
    EXPECT_EQ(shown("+25000", 2), "+199.99");
    EXPECT_EQ(shown("0", 2), "+000.00");
    EXPECT_EQ(shown("+00000", 0), "+00000");
    EXPECT_FALSE(normaliseEntry("12.5", 2).showInvalid);
}

TEST(NormaliseEntry, BadEntriesAreReportedOnceAndBecomeZero) {
    for (const QString& typed :
         {QStringLiteral("abc"), QStringLiteral("0.0"), QStringLiteral("1.2.3")}) {
        const NormalisedEntry entry = normaliseEntry(typed, 2);
        EXPECT_TRUE(entry.showInvalid) << typed.toStdString();
        EXPECT_TRUE(entry.changed);
        EXPECT_EQ(entry.text, "+000.00") << typed.toStdString();
    }
    const NormalisedEntry empty = normaliseEntry("", 2);
    EXPECT_FALSE(empty.showInvalid);
    EXPECT_FALSE(empty.changed);
    EXPECT_EQ(kInvalidValueMessage, "Valore non valido");
}
