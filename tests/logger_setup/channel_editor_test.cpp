#include "logger_setup/channel_editor.h"
#include "logger_setup/channel_setup.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/logger_setup_files.h"
#include "logger_setup/number_format.h"
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
    rig.editor.toggleDigital(2);
    ASSERT_TRUE(rig.editor.save());

    EXPECT_EQ(rig.folder.read("logger.tmr").size(), 8 * 35);
    EXPECT_EQ(rig.folder.read("logger.tmr").mid(6 * 35, 10), "NASCOSTO  ")
        << "hidden rows are saved too";
    const QByteArray par = rig.folder.read("logger.par");
    ASSERT_EQ(par.size(), 39);
    EXPECT_EQ(par.left(2), "4 ");
    EXPECT_EQ(par.mid(30, 6), "ON ON ");
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

TEST(NewLoggerSet, HoldsEightChannelsOffAndSixteenChannelsOf256KInAnExistingUpperCasePar) {
    TempFolder folder;
    folder.write("logger.PAR", QByteArray(39, 'p'));
    LoggerSetupRecords records;
    ASSERT_TRUE(resetNewLoggerSet(folder.path("logger"), records));
    const QByteArray channel = QByteArray(10, '\0') + "OFF" + QByteArray(6, '\0') + "00000 " +
                               "0000" + QByteArray(6, '\0');
    EXPECT_EQ(folder.read("logger.tmr"), channel.repeated(8));
    const QByteArray par = folder.read("logger.PAR");
    ASSERT_EQ(par.size(), 39);
    EXPECT_EQ(par.left(2), "16");
    EXPECT_EQ(par.mid(24, 5), "256 K");
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
    ASSERT_TRUE(saveChannelSetup(folder.path("logger"), records, rows, lastDecimals));

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
    const QByteArray file = record.repeated(8);
    folder.write("logger.tmr", file);

    LoggerSetupRecords records;
    ChannelRows rows;
    ASSERT_TRUE(loadChannelSetup(folder.path("logger"), records, rows));
    EXPECT_EQ(rows[0].description, QString::fromUtf8("20°C à xyz"));
    EXPECT_EQ(rows[0].unit, QString::fromUtf8("°C"));
    EXPECT_EQ(rows[0].gain, "+123.45");
    EXPECT_EQ(rows[0].inputType, "Pt100");

    int lastDecimals = 0;
    ASSERT_TRUE(saveChannelSetup(folder.path("logger"), records, rows, lastDecimals));
    EXPECT_EQ(folder.read("logger.tmr"), file);
}

// The scan screen reads and saves the general record on its own.
TEST(GeneralRecord, AFailureNamesTheFile) {
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("logger.par"));
    Record par(LoggerParLayout::recordLength);
    const FileStatus read = readGeneralRecord(folder.path("logger"), par);
    const FileStatus written = writeGeneralRecord(folder.path("logger"), par);
    for (const FileStatus& status : {read, written}) {
        EXPECT_FALSE(status);
        EXPECT_EQ(status.path, folder.path("logger.par"));
    }
}

TEST(DecimalPoint, MovesByPositionAndNeverChangesTheDigits) {
    const QStringList shown = {"+12345", "+1234.5", "+123.45", "+12.345", "+1.2345", "+.12345"};
    for (int d = 0; d <= 5; ++d) {
        EXPECT_EQ(insertDecimalPoint(d, "+12345"), shown[d]) << d;
        EXPECT_EQ(removeDecimalPoint(shown[d]), "+12345") << d;
    }
    EXPECT_EQ(insertDecimalPoint(6, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(-1, "+12345"), "+12345");
    EXPECT_EQ(insertDecimalPoint(4, "-00150"), "-0.0150");
    EXPECT_EQ(removeDecimalPoint("-0.0150"), "-00150");
    EXPECT_EQ(removeDecimalPoint("+12345."), "+12345");
    EXPECT_EQ(removeDecimalPoint("12.5"), "125");
    EXPECT_EQ(removeDecimalPoint("+1.5"), "+15");
    EXPECT_EQ(formatByMask("*.****", removeDecimalPoint("+123.45")), "+1.2345");
    EXPECT_EQ(formatByMask("????", "+12345"), "+12345");
    EXPECT_EQ(formatByMask(QStringList{"*****.", "**.***"}, 1, "+12345"), "+12.345");
}

TEST(NormaliseEntry, ValidValuesTakeTheChannelFormatAndBadOnesBecomeZero) {
    struct Case {
        const char* typed;
        int decimals;
        const char* shown;
        bool invalid;
    };
    for (const Case& c : {Case{"+123.45", 2, "+123.45", false}, Case{"12.5", 2, "+001.25", false},
                          Case{"-000.50", 2, "-000.50", false}, Case{"+19999", 0, "+19999", false},
                          Case{"+20000", 0, "+19999", false}, Case{"-20000", 0, "-19999", false},
                          Case{"+25000", 2, "+199.99", false}, Case{"0", 2, "+000.00", false},
                          Case{"+00000", 0, "+00000", false}, Case{"abc", 2, "+000.00", true},
                          Case{"0.0", 2, "+000.00", true}, Case{"1.2.3", 2, "+000.00", true},
                          Case{"", 2, "", false}}) {
        const NormalisedEntry entry = normaliseEntry(QString::fromLatin1(c.typed), c.decimals);
        EXPECT_EQ(entry.text, c.shown) << c.typed;
        EXPECT_EQ(entry.showInvalid, c.invalid) << c.typed;
        EXPECT_EQ(entry.changed, *c.typed != '\0') << c.typed;
    }
}

} // namespace
} // namespace korven::test
