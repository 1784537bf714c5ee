#include "logger_setup/channel_editor.h"
#include "logger_setup/logger_set_bytes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

struct EditorRig {
    EditorRig() {
        writeLoggerSet(folder);
        editor.open(folder.path("logger"));
    }

    QByteArray channelRecord(int channel) const {
        return folder.read("logger.tmr").mid(channel * 35, 35);
    }

    TempFolder folder;
    LoggerSetupRecords records;
    ChannelEditor editor{records};
};

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
