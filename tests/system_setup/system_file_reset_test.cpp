#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_file_reset.h"

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// A new system channel record: the layout's defaults, its own numbers and
// the treatment of a file never edited.
QByteArray newChannel(int n) {
    SystemChannelBytes channel;
    channel.index = static_cast<qint16>(n);
    channel.moduleChannel = QByteArray::number(n).rightJustified(4, '0');
    channel.treatment = "0 ";
    return channel.bytes();
}

TEST(SystemFileReset, WritesTheDefaultsOfEveryChannelAndKeepsRecordsBeyondTheNewOnes) {
    TempFolder folder;
    SystemSetupRecords records;
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));
    const QByteArray stp = folder.read("plant.stp");
    ASSERT_EQ(stp.size(), 180075);
    for (int n : {0, 1, 255, 256, 1024, 2400})
        EXPECT_EQ(stp.mid(n * 75, 75), newChannel(n)) << "channel " << n;

    folder.write("plant.stp", QByteArray(2500 * 75, 'x'));
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));
    const QByteArray longer = folder.read("plant.stp");
    EXPECT_EQ(longer.size(), 2500 * 75);
    EXPECT_EQ(longer.mid(2400 * 75, 75), newChannel(2400));
    EXPECT_EQ(longer.mid(2401 * 75), QByteArray(99 * 75, 'x'));
}

TEST(SystemFileReset, WritesTheIdentityDefaultsOverWhatTheRecordHeld) {
    TempFolder folder;
    SystemSetupRecords records;
    records.identity.setText(IdentityLayout::telephoneNumber, QStringLiteral("0212345678"));
    records.identity.setText(IdentityLayout::dialling, QStringLiteral("1"));
    ASSERT_TRUE(resetSystemFile(folder.path("plant.stp"), records));

    const QByteArray expected = QByteArray("000000000000")               // 0: codes
                                + "1  "                                  // 12: loggers
                                + QByteArray(4, '\0')                    // 15
                                + QByteArray(16, ' ')                    // 19
                                + "02"                                   // 35
                                + "0212345678         "                  // 37: telephone number
                                + "1"                                    // 56: dialling
                                + "AT&D0&K0&R1 AT&C0       ATX1        " // 57: modem strings
                                + QByteArray(12, '\0')                   // 93
                                + "1"                                    // 105
                                + QByteArray(144, '\0');                 // 106
    EXPECT_EQ(folder.read("plant.pas"), expected);
    EXPECT_EQ(records.identity.bytes(), expected);
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

} // namespace
