#include "logger_setup/channel_setup.h"
#include "logger_setup/logger_setup_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

namespace {

QString base(const TempFolder& folder) {
    return folder.path("logger");
}

} // namespace

TEST(NewLoggerSet, HoldsEightChannelsOffAndSixteenChannelsOf256K) {
    TempFolder folder;
    LoggerSetupRecords records;
    ASSERT_TRUE(resetNewLoggerSet(base(folder), records));
    const QByteArray channel = QByteArray(10, '\0') + "OFF" + QByteArray(6, '\0') + "00000 " +
                               "0000" + QByteArray(6, '\0');
    EXPECT_EQ(folder.read("logger.tmr"), channel.repeated(8));
    const QByteArray par = folder.read("logger.par");
    ASSERT_EQ(par.size(), 39);
    EXPECT_EQ(par.left(2), "16");
    EXPECT_EQ(par.mid(24, 5), "256 K");
}

TEST(NewLoggerSet, AnExistingUpperCaseParIsTheFileWritten) {
    TempFolder folder;
    folder.write("logger.PAR", QByteArray(39, 'p'));
    LoggerSetupRecords records;
    ASSERT_TRUE(resetNewLoggerSet(base(folder), records));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{"logger.PAR", "logger.tmr"}));
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
    // Input type, decimals, supply and unit are one code each.
    EXPECT_EQ(tmr.left(35), QByteArray("PRESSIONE ON +12345+00000"
                                       "6233"
                                       "OFFOFF"));
    EXPECT_EQ(tmr.mid(7 * 35 + 28, 1), QByteArray("3")) << "unknown unit carries the one before";
    EXPECT_EQ(lastDecimals, 2);
}

TEST(ChannelSetup, TextsWrittenElsewhereInTheCodePageRoundTripUnchanged) {
    TempFolder folder;
    const QByteArray record = QByteArray("20\xB0"
                                         "C \xE0 xyz") +
                              "ON +12345-00150" + "C244" + "ON ON ";
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

// The scan screen reads and saves the general record on its own; a failure
// must name the file so the user knows which one.
TEST(GeneralRecord, AFailureNamesTheFile) {
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("logger.par"));
    Record par(LoggerParLayout::recordLength);
    const FileStatus read = readGeneralRecord(base(folder), par);
    const FileStatus written = writeGeneralRecord(base(folder), par);
    for (const FileStatus& status : {read, written}) {
        EXPECT_FALSE(status);
        EXPECT_EQ(status.path, folder.path("logger.par"));
    }
}
