#include "logger_setup/channel_editor.h"
#include "logger_setup/logger_set_bytes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

QList<LoggerChannelBytes> eightChannels() {
    QList<LoggerChannelBytes> channels;
    for (int n = 0; n < 8; ++n)
        channels.append(distinctLoggerChannel(n));
    return channels;
}

struct EditorRig {
    explicit EditorRig(const QByteArray& channelCount = "8 ",
                       const QList<LoggerChannelBytes>& channels = eightChannels()) {
        writeLoggerSet(folder, channels, channelCount);
        opened = editor.open(folder.path("logger"));
    }

    QByteArray channelRecord(int channel) const {
        return folder.read("logger.tmr").mid(channel * 35, 35);
    }

    TempFolder folder;
    LoggerSetupRecords records;
    ChannelEditor editor{records};
    FileStatus opened;
};

TEST(ChannelEditor, ListsOfferTheirChoicesInTheEditorsOrder) {
    EXPECT_EQ(editorMaskChoices(), QStringList({"*.****", "**.***", "***.**", "****.*", "*****."}));
    EXPECT_EQ(editorSupplyChoices(), QStringList({"----", "24 V", " 5 V", "2V r", "1 mA"}));
    EXPECT_EQ(editorInputTypeChoices(),
              QStringList({"20mV", "20mV Diff Rif est", "20mV Diff Rif int", "200mV",
                           "200mV Diff Rif est", "200mV Diff Rif int", "2V", "2V Diff Rif est",
                           "2V Diff Rif int", "20V", "Pt100", "0-20mA", "4-20mA"}));
    EXPECT_EQ(editorUnitChoices(),
              QStringList({"V", "mV", "mA", "mm", QString::fromUtf8("°C"), "R.J.", "T", "---"}));
}

TEST(ChannelEditor, LeavingAValueNormalisesItWithTheRowsDecimals) {
    EditorRig rig;
    ChannelRowTexts& row = rig.editor.rows()[2]; // "***.**"
    row.gain = "+20000";
    EXPECT_FALSE(rig.editor.leaveGain(2));
    EXPECT_EQ(row.gain, "+199.99");
    row.zero = "abc";
    EXPECT_TRUE(rig.editor.leaveZero(2));
    EXPECT_EQ(row.zero, "+000.00");
    row.zero.clear();
    EXPECT_FALSE(rig.editor.leaveZero(2));
    EXPECT_EQ(row.zero, "") << "an empty field stays empty";

    // A row whose mask is none of the list's keeps the decimals last used.
    rig.editor.chooseMask(4, "*.****");
    rig.editor.rows()[5].mask.clear();
    rig.editor.rows()[5].gain = "7";
    rig.editor.leaveGain(5);
    EXPECT_EQ(rig.editor.rows()[5].gain, "+0.0007");
}

TEST(ChannelEditor, CellsToggleBetweenOnAndOffFromAnything) {
    EXPECT_EQ(toggledFlag("ON "), "OFF");
    EXPECT_EQ(toggledFlag("OFF"), "ON ");
    EXPECT_EQ(toggledFlag(QString(3, QChar(0))), "ON ") << "a scaling cell of a set never saved";
    EXPECT_TRUE(isFlagOn("ON "));
    EXPECT_FALSE(isFlagOn("ON"));
}

TEST(ChannelEditor, SavingTheFourChannelViewWritesAllEightRecordsAndTheGeneralRecord) {
    EditorRig rig;
    const QByteArray parBefore = rig.folder.read("logger.par");
    rig.editor.chooseChannelCount(true);
    rig.editor.rows()[6].description = "NASCOSTO";
    rig.editor.toggleDigital(1);
    rig.editor.toggleDigital(2);
    ASSERT_TRUE(rig.editor.save());

    EXPECT_EQ(rig.folder.read("logger.tmr").size(), 8 * 35);
    EXPECT_EQ(rig.channelRecord(6).left(10), "NASCOSTO  ") << "hidden rows are saved too";
    const QByteArray par = rig.folder.read("logger.par");
    ASSERT_EQ(par.size(), 39);
    EXPECT_EQ(par.left(2), "4 ");
    EXPECT_EQ(par.mid(30, 6), "OFFON ");
    EXPECT_EQ(par.mid(2, 28), parBefore.mid(2, 28)) << "scan and memory settings are kept";
    EXPECT_EQ(par.mid(36), parBefore.mid(36));

    rig.editor.chooseChannelCount(false);
    ASSERT_TRUE(rig.editor.save());
    EXPECT_EQ(rig.folder.read("logger.par").left(2), "8 ");
}

TEST(ChannelEditor, ASaveThatFailsNamesTheFileAndKeepsSendingForbidden) {
    EditorRig rig;
    rig.editor.toggleActivation(0);
    ASSERT_TRUE(QFile::remove(rig.folder.path("logger.tmr")));
    ASSERT_TRUE(QDir(rig.folder.path()).mkdir("logger.tmr"));
    const FileStatus saved = rig.editor.save();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.error.contains("logger.tmr")) << qPrintable(saved.error);
    EXPECT_FALSE(rig.editor.sendAllowed());
}

} // namespace
} // namespace korven::test
