// The files blocks are saved to: the table and the CSV export.
#include "download/block_csv.h"
#include "download/block_table_file.h"

#include "download/download_rig.h"
#include "download/download_setup.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

// A block stored on 5 March 2024; by default both signs and both ends of the range.
BlockText storedAt(const QString& time, std::array<QString, kAnalogChannels> channels = {
                                            "+00000", "-00001", "+00291", "-32767", "+32767",
                                            "-00000", "+00255", "-00256"}) {
    BlockText block;
    block.date = "05/03/24";
    block.time = time;
    block.digital1 = "011000";
    block.digital2 = "110001";
    block.channels = std::move(channels);
    return block;
}

RecordedChannels recordedChannels() {
    RecordedChannels channels;
    channels[0] = {"TEMP", QStringLiteral("°C"), 1, true};
    channels[1] = {"Liv, \"A\"", "mm", 0, true};
    channels[2] = {"", "", 0, false};
    for (int n = 3; n < kAnalogChannels; ++n)
        channels[n] = {"", "mV", 3, false};
    return channels;
}

// Line of block 26 as the layout describes it, field by field.
const QByteArray kLine26 = QByteArray("0026;") + "05/03/24;" + "12:30:45;" + " +00000;" +
                           " -00001;" + " +00291;" + " -32767;" + " +32767;" + " -00000;" +
                           " +00255;" + " -00256;" + " 011000;" + "       ;" + "\r";

TEST(BlockTableRecord, PadsShortTextsOnTheLeftAndCutsLongOnes) {
    QStringList cells(13, QString());
    cells[0] = "7";
    cells[1] = "5/3/24";
    cells[2] = "1:2:3";
    cells[3] = "+1234567890";
    const QByteArray record = blockTableRecord(cells);
    ASSERT_EQ(record.size(), 104);
    EXPECT_EQ(record.left(23), "0007;  5/3/24;   1:2:3;");
    EXPECT_EQ(record.mid(23, 8), "+123456;");
    EXPECT_EQ(record.mid(95), "       ;\r");
}

TEST(BlockFiles, HoldAFetchedBlockAsATableLineAndAsACsvLineInEngineeringValues) {
    BlockGrid grid;
    grid.setupBlockGrid({}, 0, 4100);
    grid.fillBlockRow(26, storedAt("12:30:45"), {true, false});
    EXPECT_EQ(blockTableRecord(grid.rowCells(grid.rowOf(26))), kLine26);
    grid.fillBlockRow(28,
                      storedAt("12:40:45", {"+01234", "+00000", "+00000", "+00000", "+00000",
                                            "+00000", "+00000", "-19999"}),
                      {true, true});

    // CR LF, UTF-8, a field with a comma or quotes quoted; block 27 never came.
    const QByteArray expected =
        "BLOCK,DATE TIME,TEMP (\xC2\xB0"
        "C),\"Liv, \"\"A\"\" (mm)\",Canale 2,Canale 3 (mV),Canale 4 (mV),Canale 5 (mV),"
        "Canale 6 (mV),Canale 7 (mV),digit 1,digit 2\r\n"
        "26,2024-03-05T12:30:45,0.0,-1,291,-32.767,32.767,0.000,0.255,-0.256,011000,\r\n"
        "28,2024-03-05T12:40:45,123.4,0,0,0.000,0.000,0.000,0.000,-19.999,011000,110001\r\n";
    EXPECT_EQ(blockCsv(grid, 25, 28, recordedChannels()), expected);
    EXPECT_EQ(blockCsv(grid, 27, 27, recordedChannels()),
              expected.left(expected.indexOf('\n') + 1));
}

TEST(BlockCsv, ExportIsRefusedWholeForAFileThatCannotBeWritten) {
    test::TempFolder folder;
    BlockGrid grid;
    grid.setupBlockGrid({}, 0, 10);
    grid.fillBlockRow(3, storedAt("12:00:00", {}), {});
    const CsvExport done = exportBlockCsv(folder.path("out.csv"), grid, 0, 9, recordedChannels());
    EXPECT_TRUE(done);
    EXPECT_EQ(done.blocks, 1);
    const CsvExport refused =
        exportBlockCsv(folder.path("missing/out.csv"), grid, 0, 9, recordedChannels());
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.blocks, 0);
    EXPECT_FALSE(refused.error.isEmpty());
}

TEST(RecordedChannels, TakeEachChannelsUnitDecimalsAndActivationFromTheLoggerSetUp) {
    test::DownloadRig rig;
    test::writeChannelsWithUnits(rig.folder);
    RecordedChannels channels;
    ASSERT_TRUE(readRecordedChannels(rig.session.installation, channels));
    QStringList units;
    for (int channel = 0; channel < kAnalogChannels; ++channel) {
        units << channels[channel].unit;
        EXPECT_EQ(channels[channel].decimals, channel % 5) << channel;
        EXPECT_EQ(channels[channel].active, channel != 5) << channel;
    }
    EXPECT_EQ(units,
              QStringList({"V", "mV", "mA", "mm", QStringLiteral("°C"), "R.J.", "T", "---"}));
}

} // namespace
} // namespace korven
