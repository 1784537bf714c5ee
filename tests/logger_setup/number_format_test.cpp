#include "logger_setup/number_format.h"

#include <gtest/gtest.h>

using namespace korven;

TEST(DecimalPoint, MovesByPositionAndNeverChangesTheDigits) {
    const QStringList shown = {"+12345", "+1234.5", "+123.45", "+12.345", "+1.2345", "+.12345"};
    for (int d = 0; d <= 5; ++d) {
        EXPECT_EQ(insertDecimalPoint(d, "+12345"), shown[d]) << d;
        EXPECT_EQ(removeDecimalPoint(shown[d]), "+12345") << d;
    }
    EXPECT_EQ(insertDecimalPoint(6, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(-1, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(4, "-00150"), "-0.0150");
    EXPECT_EQ(removeDecimalPoint("-0.0150"), "-00150");
    EXPECT_EQ(removeDecimalPoint("+12345."), "+12345");
    EXPECT_EQ(removeDecimalPoint("12.5"), "125");
    EXPECT_EQ(removeDecimalPoint("+1.5"), "+15");
    EXPECT_EQ(formatByMask("*.****", removeDecimalPoint("+123.45")), "+1.2345");
    EXPECT_EQ(formatByMask("????", "+12345"), "+12345");
    EXPECT_EQ(formatByMask(QStringList{"*****.", "**.***"}, 1, "+12345"), "+12.345");
}

// Valid values take the channel's format; bad ones are reported once and
// become zero; an empty field stays empty.
TEST(NormaliseEntry, ValidValuesTakeTheChannelFormatAndBadOnesBecomeZero) {
    struct Case {
        const char* typed;
        int decimals;
        const char* shown;
        bool invalid;
    };
    for (const Case& c : {Case{"+123.45", 2, "+123.45", false}, Case{"12.5", 2, "+001.25", false},
                          Case{"-000.50", 2, "-000.50", false}, Case{"+19999", 0, "+19999", false},
                          Case{"+20000", 0, "+19999", false}, Case{"-20000", 0, "-19999", false},
                          Case{"+25000", 2, "+199.99", false}, Case{"0", 2, "+000.00", false},
                          Case{"+00000", 0, "+00000", false}, Case{"abc", 2, "+000.00", true},
                          Case{"0.0", 2, "+000.00", true}, Case{"1.2.3", 2, "+000.00", true},
                          Case{"", 2, "", false}}) {
        const NormalisedEntry entry = normaliseEntry(QString::fromLatin1(c.typed), c.decimals);
        EXPECT_EQ(entry.text, c.shown) << c.typed;
        EXPECT_EQ(entry.showInvalid, c.invalid) << c.typed;
        EXPECT_EQ(entry.changed, *c.typed != '\0') << c.typed;
    }
}
