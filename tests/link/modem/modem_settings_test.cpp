// The modem settings in the identity record, checked against the offsets of
// the layout: number at 37 (19), flag at 56, strings at 57/69/81/93 (12),
// dialling at 105.

#include "link/modem/modem_settings.h"
#include "support/modem_identity.h"
#include "system_setup/side_file_layouts.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

Record recordOf(const QByteArray& bytes) {
    Record record(IdentityLayout::recordLength);
    record.setBytes(bytes);
    return record;
}

TEST(ModemSettings, AreReadFromTheirOffsets) {
    test::ModemIdentity identity;
    identity.number = "02 1234567";
    identity.dialling = '1';
    identity.status = '1';
    const ModemSettings settings = modemSettingsOf(recordOf(identity.bytes()));
    EXPECT_EQ(settings.dialledNumber(), "02 1234567");
    EXPECT_EQ(settings.announcedNumber(), "02 ") << "up to one past the first blank";
    EXPECT_EQ(settings.initString(0), "AT&D0&K0&R1");
    EXPECT_EQ(settings.initString(2), "ATX1");
    EXPECT_TRUE(settings.initString(3).isEmpty());
    EXPECT_TRUE(settings.pulses());
    EXPECT_EQ(settings.status, 1);
    EXPECT_FALSE(isModemActivated(recordOf(identity.bytes())));
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

TEST(ModemSettings, AreStoredAtTheirOffsetsCutToTheirFields) {
    QByteArray bytes(IdentityLayout::recordLength, 'x');
    Record record = recordOf(bytes);
    ModemSettings settings;
    settings.telephoneNumber = QStringLiteral("00390212345678901234567"); // 23 characters
    settings.status = 0;
    settings.initStrings = {QStringLiteral("AT&D0&K0&R1&C0"), QStringLiteral("AT"), QString(),
                            QStringLiteral("ATS0=0")};
    settings.dialling = 1;
    storeModemSettings(settings, record);

    bytes.replace(37, 19, "0039021234567890123");
    bytes[56] = '0';
    bytes.replace(57, 12, "AT&D0&K0&R1&");
    bytes.replace(69, 12, "AT          ");
    bytes.replace(81, 12, "            ");
    bytes.replace(93, 12, "ATS0=0      ");
    bytes[105] = '1';
    EXPECT_EQ(record.bytes(), bytes) << "and nothing else changes";
}

} // namespace
} // namespace korven
