// The modem settings read from the identity record (the Modem Setup screen's
// tests check where they are stored).

#include "link/modem/modem_settings.h"
#include "support/modem_identity.h"
#include "system_setup/side_file_layouts.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(ModemSettings, AreReadFromTheirOffsets) {
    test::ModemIdentity identity;
    identity.number = "02 1234567";
    identity.dialling = '1';
    identity.status = '1';
    Record record(IdentityLayout::recordLength);
    record.setBytes(identity.bytes());
    const ModemSettings settings = modemSettingsOf(record);
    EXPECT_EQ(settings.dialledNumber(), "02 1234567");
    EXPECT_EQ(settings.announcedNumber(), "02 ") << "up to one past the first blank";
    EXPECT_EQ(settings.initString(0), "AT&D0&K0&R1");
    EXPECT_EQ(settings.initString(2), "ATX1");
    EXPECT_TRUE(settings.initString(3).isEmpty());
    EXPECT_TRUE(settings.pulses());
    EXPECT_EQ(settings.status, 1);
    EXPECT_FALSE(isModemActivated(record));
}

// A record never written holds zero bytes: no number, nothing to send, and
// the modem counts as activated, as at start-up.
TEST(ModemSettings, ARecordNeverWrittenHasNothingToDialOrSend) {
    const Record empty(IdentityLayout::recordLength);
    const ModemSettings settings = modemSettingsOf(empty);
    EXPECT_TRUE(settings.dialledNumber().isEmpty());
    EXPECT_TRUE(settings.announcedNumber().isEmpty());
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        EXPECT_TRUE(settings.initString(n).isEmpty()) << n;
    EXPECT_FALSE(settings.pulses());
    EXPECT_TRUE(isModemActivated(empty));
}

} // namespace
} // namespace korven
