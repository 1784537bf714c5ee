#include "logger_setup/channel_setup.h"
#include "logger_setup/logger_setup_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

namespace {

QString base(const TempFolder& folder) { return folder.path("logger"); }

// A reset channel record of a set created from an empty file, from the layout.
QByteArray resetChannel() {
    QByteArray r;
    r += QByteArray(10, '\0'); // description as read
    r += "OFF";                // activation
    r += QByteArray(6, '\0');  // gain as read
    r += "00000 ";             // zero
    r += "0000";               // type, decimals, supply, unit
    r += QByteArray(6, '\0');  // both scaling flags as read
    return r;
}

} // namespace

TEST(NewLoggerSet, WritesEightResetChannelsAndTheGeneralRecord) {
    TempFolder folder;
    LoggerSetupRecords records;
    ASSERT_TRUE(RecordFile(channelFilePath(base(folder)), 35).read(1, records.channel));
    ASSERT_TRUE(isNewChannelFile(records.channel));
    ASSERT_TRUE(resetNewLoggerSet(base(folder), records));

    const QByteArray tmr = folder.read("logger.tmr");
    ASSERT_EQ(tmr.size(), 280);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(tmr.mid(i * 35, 35), resetChannel()) << "record " << i + 1;

    const QByteArray par = folder.read("logger.par");
    ASSERT_EQ(par.size(), 39);
    EXPECT_EQ(par.mid(0, 2), QByteArray("16"));
    EXPECT_EQ(par.mid(24, 5), QByteArray("256 K"));
    EXPECT_EQ(par.mid(2, 22), QByteArray(22, '\0'));
    EXPECT_EQ(channelCountOf(records.par), 16);
}

TEST(NewLoggerSet, AnExistingUpperCaseParIsTheFileWritten) {
    TempFolder folder;
    folder.write("logger.PAR", QByteArray(39, 'p'));
    LoggerSetupRecords records;
    ASSERT_TRUE(resetNewLoggerSet(base(folder), records));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"logger.PAR", "logger.tmr"}));
    EXPECT_EQ(folder.read("logger.PAR").mid(24, 5), QByteArray("256 K"));
}

TEST(ChannelSetup, ANewSetLoadsWithTheResetTexts) {
    TempFolder folder;
    LoggerSetupRecords records;
    ASSERT_TRUE(resetNewLoggerSet(base(folder), records));
    ChannelRows rows;
    ASSERT_TRUE(loadChannelSetup(base(folder), records, rows));
    for (const ChannelRowTexts& row : rows) {
        EXPECT_EQ(row.activation, "OFF");
        EXPECT_EQ(row.zero, "00000 ");
        EXPECT_EQ(row.inputType, "20mV");
        EXPECT_EQ(row.supply, "----");
        EXPECT_EQ(row.unit, "V");
        EXPECT_EQ(row.mask, "*****.");
        EXPECT_EQ(row.description, QString(10, QChar(u'\0')));
    }
}

TEST(ChannelSetup, SavesDisplayedValuesInTheirStoredForm) {
    TempFolder folder;
    LoggerSetupRecords records;
    ChannelRows rows;
    for (ChannelRowTexts& row : rows)
        row = {"ON ", "OFF", "PRESSIONE", "***.**", "+123.45", "+000.00", "2V", " 5 V", "mm"};
    rows[7].unit = "nonsense";
    int lastDecimals = 0;
    ASSERT_TRUE(saveChannelSetup(base(folder), records, rows, lastDecimals));

    const QByteArray tmr = folder.read("logger.tmr");
    ASSERT_EQ(tmr.size(), 280);
    EXPECT_EQ(tmr.left(35), QByteArray("PRESSIONE ON +12345+00000" "6" "2" "3" "3" "OFFOFF"));
    EXPECT_EQ(tmr.mid(7 * 35 + 28, 1), QByteArray("3")) << "unknown unit carries the one before";
    EXPECT_EQ(lastDecimals, 2);
}

TEST(ChannelSetup, TextsWrittenElsewhereInTheCodePageRoundTripUnchanged) {
    TempFolder folder;
    QByteArray record = QByteArray("20\xB0" "C \xE0 xyz") + "ON +12345-00150" "C" "2" "4" "4" "ON ON ";
    ASSERT_EQ(record.size(), 35);
    QByteArray file;
    for (int i = 0; i < 8; ++i)
        file += record;
    folder.write("logger.tmr", file);

    LoggerSetupRecords records;
    ChannelRows rows;
    ASSERT_TRUE(loadChannelSetup(base(folder), records, rows));
    EXPECT_EQ(rows[0].description, QString::fromUtf8("20°C à xyz"));
    EXPECT_EQ(rows[0].unit, QString::fromUtf8("°C"));
    EXPECT_EQ(rows[0].gain, "+123.45");
    EXPECT_EQ(rows[0].inputType, "Pt100");

    int lastDecimals = 0;
    ASSERT_TRUE(saveChannelSetup(base(folder), records, rows, lastDecimals));
    EXPECT_EQ(folder.read("logger.tmr"), file);
}
