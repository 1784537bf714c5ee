#include "download/block_csv.h"

#include "download/download_job.h"
#include "download/download_rig.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

using test::DownloadRig;

BlockText storedAt(const QString& time, std::array<QString, kAnalogChannels> channels) {
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

TEST(BlockCsv, IsAHeaderAndALinePerFetchedBlockInEngineeringValues) {
    BlockGrid grid;
    grid.setupBlockGrid({}, 0, 4100);
    grid.fillBlockRow(26,
                      storedAt("12:30:45", {"+00000", "-00001", "+00291", "-32767", "+32767",
                                            "-00000", "+00255", "-00256"}),
                      {true, false});
    grid.fillBlockRow(28,
                      storedAt("12:40:45", {"+01234", "+00000", "+00000", "+00000", "+00000",
                                            "+00000", "+00000", "-19999"}),
                      {true, true});

    // Written out from the format: CR LF after every line, UTF-8, the field
    // with a comma and quotes quoted, quotes doubled; block 27 never came.
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
    EXPECT_FALSE(refused.error.isEmpty());
}

TEST(BlockCsv, TakesEachChannelsUnitAndDecimalsFromTheLoggerSetUp) {
    DownloadRig rig;
    test::writeChannelsWithUnits(rig.folder);
    DownloadJob job(rig.session.link, rig.session.installation);
    ASSERT_TRUE(job.readSetup(false));
    ASSERT_EQ(job.wake(), LinkStatus::Ok);
    BlockGrid grid;
    grid.setupBlockGrid(job.descriptions(), 0, 4100);
    ASSERT_EQ(job.fetch(599, 599, grid, 0, {}).fetched, 1);

    const QList<QByteArray> csv = blockCsv(grid, 599, 599, job.channels()).split('\n');
    EXPECT_EQ(QString::fromUtf8(csv[0]),
              QStringLiteral("BLOCK,DATE TIME,Canale 0 (V),Canale 1 (mV),Canale 2 (mA),"
                             "Canale 3 (mm),Canale 4 (°C),Canale 5 (R.J.),Canale 6 (T),"
                             "Canale 7 (---),digit 1,digit 2\r"));
    const QList<QByteArray> fields = csv[1].chopped(1).split(',');
    ASSERT_EQ(fields.size(), 12);
    for (int channel = 0; channel < 8; ++channel) {
        const QByteArray value = fields[2 + channel];
        EXPECT_EQ(value.contains('.') ? value.size() - value.indexOf('.') - 1 : 0, channel % 5)
            << value.constData();
    }
}

} // namespace
} // namespace korven
