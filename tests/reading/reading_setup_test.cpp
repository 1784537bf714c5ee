#include "reading/reading_setup.h"

#include "reading/reading_rig.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace korven::test {
namespace {

struct SetupRig {
    explicit SetupRig(const ReadingFiles& files = {}) {
        files.writeTo(folder);
        folder.write("plant.pas", IdentityRecord{.comIndex = '1'}.bytes());
        installation.systemFilePath = folder.path("plant.stp");
        installation.loggerSetupPath = folder.path("logger");
    }

    TempFolder folder;
    Installation installation;
    ReadingSetup setup;
};

TEST(ReadingSetup, TakesTheChannelTablesFromTheFirstEightSystemRecords) {
    SetupRig rig;
    ASSERT_TRUE(readReadingSetup(rig.installation, rig.setup));
    const ReadingChannel& treated = rig.setup.channels[2];
    EXPECT_EQ((QStringList{treated.description, treated.unit, treated.treatmentCode, treated.gain,
                           treated.zero, treated.mask}),
              QStringList({"Pressione linea", "mV", "01", "+00002", "+00010", "***.**"}));
    EXPECT_TRUE(treated.active);
    EXPECT_EQ(rig.setup.channels[7].description, "Sonda 7");
    EXPECT_EQ(rig.setup.channels[7].mask, "**.***");
    EXPECT_EQ(rig.setup.channelCount, 8);
    EXPECT_TRUE(rig.setup.digital1Active);
    EXPECT_FALSE(rig.setup.digital2Active);
    EXPECT_EQ(rig.setup.port.comIndex, 1);
    EXPECT_EQ(rig.setup.port.speedIndex, 2);
}

TEST(ReadingSetup, ReadsOddValuesAsTheLoggerDoes) {
    ReadingFiles files;
    files.channels[0].activation = "OFF";
    files.channels[1].activation = "off";
    files.digital1 = "   ";
    files.channels[3].mask = 5;
    files.channels[4].mask = 6;
    files.channels[5].mask = -1;
    files.channelCount = "16";
    SetupRig rig(files);
    rig.setup.channels[4].mask = QStringLiteral("*.****");
    ASSERT_TRUE(readReadingSetup(rig.installation, rig.setup));
    EXPECT_FALSE(rig.setup.channels[0].active);
    EXPECT_TRUE(rig.setup.channels[1].active);
    EXPECT_TRUE(rig.setup.digital1Active);
    EXPECT_EQ(rig.setup.channels[3].mask, ".*****");
    EXPECT_EQ(rig.setup.channels[4].mask, "*.****");
    EXPECT_EQ(rig.setup.channels[5].mask, "");
    EXPECT_EQ(rig.setup.channelCount, 16);
    EXPECT_EQ(rig.setup.channelsRead(), 8);
    EXPECT_FALSE(rig.setup.fourChannels());
}

TEST(ReadingSetup, ASystemFileOfFewerRecordsReadsTheRestAsZeroBytes) {
    SetupRig rig;
    rig.folder.write("plant.stp", rig.folder.read("plant.stp").left(3 * 75));
    ASSERT_TRUE(readReadingSetup(rig.installation, rig.setup));
    EXPECT_EQ(rig.setup.channels[2].description, "Pressione linea");
    EXPECT_EQ(rig.setup.channels[3].description, "");
    EXPECT_TRUE(rig.setup.channels[3].active);

    QFile::remove(rig.folder.path("plant.stp"));
    const ReadingSetupStatus status = readReadingSetup(rig.installation, rig.setup);
    EXPECT_FALSE(status) << "a missing file is named and nothing is created";
    EXPECT_EQ(status.path, rig.folder.path("plant.stp"));
    EXPECT_FALSE(rig.folder.exists("plant.stp"));
}

} // namespace
} // namespace korven::test
