#include "system_setup/configuration_values.h"

#include <gtest/gtest.h>

using namespace korven;

namespace {

// What leaving "Ultimo blocco" and "Nr. Logger" makes of a typed text: the
// text shown afterwards, and whether it was refused. "0" passes as typed.
TEST(ConfigurationValues, TheLastBlockIsUpTo4099AndTheLoggerCountAny16BitNumber) {
    struct Case {
        const char* typed;
        const char* lastBlock;
        bool lastBlockRefused;
        const char* loggers;
        bool loggersRefused;
    };
    const Case cases[] = {
        {"abc", "0", true, "0", true},          {"4100", "0", true, "4100", false},
        {"4099", "4099", false, "4099", false}, {"0", "0", false, "0", false},
        {"12x", "12", false, "12", false},      {"40000", "0", true, "0", true},
        {"70000", "0", true, "0", true},
    };
    for (const Case& c : cases) {
        const FieldCheck block = checkLastBlock(QString::fromLatin1(c.typed));
        EXPECT_EQ(block.text, c.lastBlock) << c.typed;
        EXPECT_EQ(block.invalid, c.lastBlockRefused) << c.typed;
        const FieldCheck loggers = checkLoggerCount(QString::fromLatin1(c.typed));
        EXPECT_EQ(loggers.text, c.loggers) << c.typed;
        EXPECT_EQ(loggers.invalid, c.loggersRefused) << c.typed;
    }
}

} // namespace
