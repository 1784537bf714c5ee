#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/configuration_files.h"
#include "system_setup/configuration_values.h"
#include "system_setup/settings_file.h"
#include "system_setup/side_file_layouts.h"
#include "system_setup/system_file_reset.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// The side files of "plant.stp", with 7 loggers and last block 300.
struct SideFiles {
    SideFiles() {
        folder.write("plant.pas", QByteArray("000000000000") + "7  " +
                                      QByteArray(IdentityLayout::recordLength - 15, ' '));
        folder.write("plant.DIR", QByteArray("data.dat").leftJustified(200, ' '));
        folder.write("plant.PUN",
                     QByteArray(12, 'x') + QByteArray("\x2c\x01", 2) + QByteArray(24, '\0'));
    }
    void makeFolder(const QString& name) {
        ASSERT_TRUE(QFile::remove(folder.path(name)));
        ASSERT_TRUE(QDir(folder.path()).mkdir(name));
    }

    TempFolder folder;
    SystemSetupRecords records;
    ConfigurationFiles files{folder.path("plant.stp"), records};
};

// Reading stops at the first file that fails and offers what was read before it.
TEST(ConfigurationFiles, LoadingStopsAtTheFileThatFailsAndNamesIt) {
    const QList<std::tuple<QString, bool>> cases = {
        {"plant.pas", false}, {"plant.DIR", true}, {"plant.PUN", true}};
    for (const auto& [failing, countRead] : cases) {
        SideFiles side;
        side.makeFolder(failing);
        const FileStatus loaded = side.files.load();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(loaded.path, side.folder.path(failing));
        EXPECT_EQ(side.files.loggerCount().has_value(), countRead) << qPrintable(failing);
        EXPECT_FALSE(side.files.lastBlock()) << qPrintable(failing);
    }
    SideFiles side;
    ASSERT_TRUE(side.files.load());
    EXPECT_EQ(side.files.loggerCount(), 7);
    EXPECT_EQ(side.files.lastBlock(), 300);
}

TEST(ConfigurationFiles, APointerThatCannotBeWrittenIsNamedAndLeavesTheIdentitySaved) {
    SideFiles side;
    ASSERT_TRUE(side.files.load());
    side.makeFolder("plant.PUN");
    ASSERT_TRUE(side.files.saveIdentity("2", "120"));
    const FileStatus saved = side.files.saveDownloadPointer(120);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.path, side.folder.path("plant.PUN"));
    EXPECT_EQ(side.folder.read("plant.pas").mid(12, 3), "2  ");
    EXPECT_EQ(side.folder.read("plant.DIR"), QByteArray("data.dat").leftJustified(200, ' '));
}

// What leaving "Ultimo blocco" and "Nr. Logger" makes of a typed text.
TEST(ConfigurationValues, TheLastBlockIsUpTo4099AndTheLoggerCountAny16BitNumber) {
    struct Case {
        const char* typed;
        const char* lastBlock;
        bool lastBlockRefused;
        const char* loggers;
        bool loggersRefused;
    };
    const Case cases[] = {
        {"abc", "0", true, "0", true},
        {"4100", "0", true, "4100", false},
        {"4099", "4099", false, "4099", false},
        {"0", "0", false, "0", false},
        {"12x", "12", false, "12", false},
        {"40000", "0", true, "0", true},
        {"70000", "0", true, "0", true},
        {"-32769", "0", true, "0", true},
        {"-32768", "-32768", false, "-32768", false},
    };
    for (const Case& c : cases) {
        const FieldCheck block = checkLastBlock(QString::fromLatin1(c.typed));
        EXPECT_EQ(block.text, c.lastBlock) << c.typed;
        EXPECT_EQ(block.invalid, c.lastBlockRefused) << c.typed;
        const FieldCheck loggers = checkLoggerCount(QString::fromLatin1(c.typed));
        EXPECT_EQ(loggers.text, c.loggers) << c.typed;
        EXPECT_EQ(loggers.invalid, c.loggersRefused) << c.typed;
    }
}

// A new system channel record: the layout's defaults and its own numbers.
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

TEST(SystemFileReset, WritesTheIdentityDefaultsAndNamesDatiPrnInAnExistingLowerCaseDir) {
    TempFolder folder;
    const QByteArray old(200, 'k');
    folder.write("plant.dir", old);
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

    EXPECT_FALSE(QDir(folder.path()).entryList().contains("plant.DIR"));
    const QByteArray dir = folder.read("plant.dir");
    EXPECT_EQ(dir.left(100), QByteArray("dati.prn").leftJustified(100, ' '));
    EXPECT_EQ(dir.mid(100), old.mid(100));
    EXPECT_EQ(dataFileNameOf(records.dataDirectory), QStringLiteral("dati.prn"));
}

// Every save writes the whole record; the reserved bytes stay as they were.
TEST(SettingsFile, EverySaveWritesTheWhole129ByteRecordAndKeepsTheReservedBytes) {
    TempFolder folder;
    QByteArray stored(129, '\0');
    stored.replace(0, 17, "RESERVED-17-BYTES");
    stored.replace(17, 45, QByteArray("/plant/a.stp").leftJustified(45, ' '));
    stored.replace(107, 20, QByteArray("secret").leftJustified(20, ' '));
    folder.write("config.dat", stored);

    Settings settings(folder.path());
    ASSERT_TRUE(settings.load());
    EXPECT_EQ(settings.systemFilePath(), "/plant/a.stp") << "read without trailing blanks";
    EXPECT_EQ(settings.password(), "secret");
    EXPECT_TRUE(settings.hasStoredPassword());
    ASSERT_TRUE(settings.savePassword(QStringLiteral("a-password-of-25-letters!")));
    EXPECT_EQ(settings.password(), "a-password-of-25-let");
    EXPECT_EQ(folder.read("config.dat").left(107), stored.left(107));

    ASSERT_TRUE(settings.savePasswordActive(true));
    ASSERT_TRUE(settings.saveLoggerSetupPath(folder.path("a")));
    const QByteArray bytes = folder.read("config.dat");
    ASSERT_EQ(bytes.size(), 129);
    EXPECT_EQ(bytes.mid(127, 2), QByteArray("\xFF\xFF")) << "password state kept";
    EXPECT_EQ(bytes.mid(62, 45), folder.path("a").toLatin1().leftJustified(45, ' ', true));
    EXPECT_EQ(bytes.left(62), stored.left(62));
}

TEST(SettingsFile, ALongPathIsStoredRelativeToTheProgramFolderAndOneThatFitsNoWayRefused) {
    TempFolder folder;
    const QString deep = folder.path("a-folder-with-a-rather-long-name/plant.stp");
    ASSERT_GT(deep.size(), 45);
    Settings settings(folder.path());
    ASSERT_TRUE(settings.load());
    ASSERT_TRUE(settings.saveSystemFilePath(deep));
    const QByteArray stored = folder.read("config.dat");
    EXPECT_EQ(stored.left(62),
              QByteArray(17, '\0') +
                  QByteArray("a-folder-with-a-rather-long-name/plant.stp").leftJustified(45, ' '))
        << "a new file's reserved bytes are zeros";

    const FileStatus status = settings.saveSystemFilePath(
        folder.path("this-folder-name-alone-is-longer-than-the-field/p.stp"));
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.error.startsWith("ATTENZIONE"));
    EXPECT_EQ(folder.read("config.dat"), stored);
    EXPECT_EQ(settings.systemFilePath(), deep);
    EXPECT_FALSE(settings.saveSystemFilePath(QString::fromUtf8("/tmp/中文.stp")));

    Settings next(folder.path());
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.systemFilePath(), deep);
}

} // namespace
