#include "support/temp_folder.h"
#include "system_setup/system_file_reset.h"

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

namespace {

// A new system channel record, assembled from the layout table field by field.
QByteArray expectedChannel(int n) {
    QByteArray r;
    r += QByteArray(1, char(n & 0xFF)) + QByteArray(1, char(n >> 8)); // 0: channel index
    r += "000";                                                       // 2: module code
    r += QByteArray::number(n).rightJustified(4, '0');                // 5: module channel
    r += "OFF";                                                       // 9: activation
    r += "+10000";                                                    // 12: upper value
    r += "-10000";                                                    // 18: lower value
    r += "0 ";                                                        // 24: treatment
    r += "+20000";                                                    // 26: gain
    r += "+00000";                                                    // 32: zero
    r += QByteArray("\x03\x00", 2);                                   // 38: mask index 3
    r += QByteArray(20, ' ');                                         // 40: description
    r += "Volt";                                                      // 60: unit
    r += "0"
         "00"
         "00"
         "00"
         "00";                // 64: reserved codes
    r += QByteArray(2, '\0'); // 73: spare word
    return r;
}

} // namespace

TEST(SystemFileReset, WritesTheDefaultsOfEveryChannelAtTheirOffsets) {
    TempFolder folder;
    SystemSetupRecords records;
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));

    const QByteArray stp = folder.read("plant.stp");
    ASSERT_EQ(stp.size(), 180075);
    ASSERT_EQ(expectedChannel(0).size(), 75);
    for (int n : {0, 1, 255, 256, 1024, 2400})
        EXPECT_EQ(stp.mid(n * 75, 75), expectedChannel(n)) << "channel " << n;
}

TEST(SystemFileReset, KeepsRecordsAnOlderFileHoldsBeyondTheNewOnes) {
    TempFolder folder;
    folder.write("plant.stp", QByteArray(2500 * 75, 'x'));
    SystemSetupRecords records;
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));
    const QByteArray stp = folder.read("plant.stp");
    EXPECT_EQ(stp.size(), 2500 * 75);
    EXPECT_EQ(stp.mid(2400 * 75, 75), expectedChannel(2400));
    EXPECT_EQ(stp.mid(2401 * 75), QByteArray(99 * 75, 'x'));
}

TEST(SystemFileReset, WritesTheIdentityDefaultsOverWhatTheRecordHeld) {
    TempFolder folder;
    SystemSetupRecords records;
    records.identity.setText(IdentityLayout::telephoneNumber, QStringLiteral("0212345678"));
    records.identity.setText(IdentityLayout::dialling, QStringLiteral("1"));
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));

    const QByteArray pas = folder.read("plant.pas");
    ASSERT_EQ(pas.size(), 250);
    EXPECT_EQ(pas.mid(0, 12), QByteArray("00"
                                         "00"
                                         "0"
                                         "00"
                                         "00"
                                         "0"
                                         "00"));
    EXPECT_EQ(pas.mid(12, 3), QByteArray("1  "));
    EXPECT_EQ(pas.mid(15, 4), QByteArray(4, '\0'));
    EXPECT_EQ(pas.mid(19, 16), QByteArray(16, ' '));
    EXPECT_EQ(pas.mid(35, 2), QByteArray("02"));
    EXPECT_EQ(pas.mid(37, 19), QByteArray("0212345678         "));
    EXPECT_EQ(pas.mid(56, 1), QByteArray("1"));
    EXPECT_EQ(pas.mid(57, 36), QByteArray("AT&D0&K0&R1 AT&C0       ATX1        "));
    EXPECT_EQ(pas.mid(93, 12), QByteArray(12, '\0'));
    EXPECT_EQ(pas.mid(105, 1), QByteArray("1"));
    EXPECT_EQ(pas.mid(106), QByteArray(144, '\0'));
    EXPECT_EQ(records.identity.bytes(), pas);
}

TEST(SystemFileReset, NamesDatiPrnAsDataFileAndUsesAnExistingLowerCaseDir) {
    TempFolder folder;
    QByteArray old(200, 'k');
    folder.write("plant.dir", old);
    SystemSetupRecords records;
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));
    EXPECT_FALSE(QDir(folder.path()).entryList().contains("plant.DIR"));
    const QByteArray dir = folder.read("plant.dir");
    EXPECT_EQ(dir.left(100), QByteArray("dati.prn").leftJustified(100, ' '));
    EXPECT_EQ(dir.mid(100), old.mid(100));
    EXPECT_EQ(dataFileNameOf(records.dataDirectory), QStringLiteral("dati.prn"));
}
