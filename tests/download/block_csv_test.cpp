#include "download/block_csv.h"

#include "download/block_table_file.h"
#include "download/download_job.h"
#include "download/download_rig.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(BlockCsv, MatchesTheBlockTableOfTheSameDownloadFieldByField) {
    DownloadRig rig;
    test::writeChannelsWithUnits(rig.folder);
    DownloadJob job(rig.session.link, rig.session.installation);
    ASSERT_TRUE(job.readSetup(false));
    ASSERT_EQ(job.wake(), LinkStatus::Ok);
    BlockGrid grid;
    grid.setupBlockGrid(job.descriptions(), 0, 4100);
    ASSERT_EQ(job.fetch(590, 599, grid, 0, {}).fetched, 10);
    ASSERT_TRUE(saveBlockTable(rig.folder.path("t.txt"), grid, 590, 599));
    ASSERT_TRUE(exportBlockCsv(rig.folder.path("t.csv"), grid, 590, 599, job.channels()));

    const QByteArray table = rig.folder.read("t.txt");
    const QList<QByteArray> csv = rig.folder.read("t.csv").split('\n');
    ASSERT_EQ(csv.size(), 1 + 10 + 1); // header, blocks, nothing after the last CR LF
    EXPECT_EQ(csv.last(), "");
    EXPECT_EQ(QString::fromUtf8(csv[0]),
              QStringLiteral("BLOCK,DATE TIME,Canale 0 (V),Canale 1 (mV),Canale 2 (mA),"
                             "Canale 3 (mm),Canale 4 (°C),Canale 5 (R.J.),Canale 6 (T),"
                             "Canale 7 (---),digit 1,digit 2\r"));
    for (int line = 0; line < 10; ++line) {
        const QList<QByteArray> row = table.mid(line * 104, 104).split(';');
        ASSERT_TRUE(csv[line + 1].endsWith('\r'));
        const QList<QByteArray> fields = csv[line + 1].chopped(1).split(',');
        ASSERT_EQ(fields.size(), 12) << line;
        EXPECT_EQ(fields[0].toInt(), row[0].toInt());
        const QByteArray date = row[1].trimmed(); // dd/mm/yy
        EXPECT_EQ(fields[1], "20" + date.mid(6, 2) + '-' + date.mid(3, 2) + '-' + date.left(2) +
                                 'T' + row[2].trimmed());
        for (int channel = 0; channel < 8; ++channel) {
            const QByteArray stored = row[3 + channel].trimmed(); // "+12345"
            const int decimals = channel % 5;
            const double value =
                (stored[0] == '-' ? -1 : 1) * stored.mid(1).toInt() / std::pow(10.0, decimals);
            const QByteArray field = fields[2 + channel];
            EXPECT_DOUBLE_EQ(field.toDouble(), value) << line << ' ' << channel;
            EXPECT_EQ(field.contains('.') ? field.size() - field.indexOf('.') - 1 : 0, decimals)
                << field.constData();
        }
        EXPECT_EQ(fields[10], row[11].trimmed());
        EXPECT_EQ(fields[11], row[12].trimmed());
    }
}

} // namespace
} // namespace korven
