#include "support/temp_folder.h"
#include "system_setup/settings_file.h"

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

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

TEST(SettingsFile, ALongPathIsStoredRelativeToTheProgramFolderAndReadBackWhole) {
    TempFolder folder;
    const QString deep = folder.path("a-folder-with-a-rather-long-name/plant.stp");
    ASSERT_GT(deep.size(), 45);
    Settings settings(folder.path());
    ASSERT_TRUE(settings.load());
    ASSERT_TRUE(settings.saveSystemFilePath(deep));
    EXPECT_EQ(folder.read("config.dat").left(62),
              QByteArray(17, '\0') +
                  QByteArray("a-folder-with-a-rather-long-name/plant.stp").leftJustified(45, ' '))
        << "a new file's reserved bytes are zeros";

    Settings next(folder.path());
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.systemFilePath(), deep);
}

TEST(SettingsFile, APathThatFitsNoWayIsRefusedAndTheStoredOneKept) {
    TempFolder folder;
    Settings settings(folder.path());
    ASSERT_TRUE(settings.saveSystemFilePath(folder.path("p.stp")));
    const QByteArray before = folder.read("config.dat");

    const FileStatus status = settings.saveSystemFilePath(
        folder.path("this-folder-name-alone-is-longer-than-the-field/p.stp"));
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.error.startsWith("ATTENZIONE"));
    EXPECT_EQ(folder.read("config.dat"), before);
    EXPECT_EQ(settings.systemFilePath(), folder.path("p.stp"));

    EXPECT_FALSE(settings.saveSystemFilePath(QString::fromUtf8("/tmp/中文.stp")));
}
