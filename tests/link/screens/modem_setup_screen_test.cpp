// "Modem Setup": the fields at their offsets in the identity file, the
// option captions, and the menu item switched at once.

#include "link/screens/modem_setup_screen.h"
#include "link/screens/screen_rig.h"
#include "support/modem_identity.h"

#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

QColor captionColour(QWidget& screen, const char* option) {
    return ScreenRig::child(screen, option)->palette().color(QPalette::WindowText);
}

QString fieldText(QWidget& screen, const char* name) {
    return ScreenRig::child<QLineEdit>(screen, name)->text();
}

void replaceText(QWidget& screen, const char* name, const QString& text) {
    auto* field = ScreenRig::child<QLineEdit>(screen, name);
    field->clear();
    QTest::keyClicks(field, text);
}

TEST(ModemSetupScreen, ShowsTheStoredSettingsWithTheChosenOptionsInRed) {
    ScreenRig rig;
    ModemIdentity identity;
    identity.status = '1';
    identity.dialling = '1';
    rig.folder.write("plant.pas", identity.bytes());
    ModemSetupScreen screen(rig.session);

    EXPECT_EQ(screen.windowTitle(), "Modem Setup");
    EXPECT_EQ(fieldText(screen, "nr_tel"), "0123456");
    EXPECT_EQ(fieldText(screen, "iniz1"), "AT&D0&K0&R1");
    EXPECT_EQ(fieldText(screen, "iniz2"), "AT&C0");
    EXPECT_EQ(fieldText(screen, "iniz3"), "ATX1");
    EXPECT_EQ(fieldText(screen, "iniz4"), "");
    EXPECT_TRUE(ScreenRig::child<QRadioButton>(screen, "attiv_1")->isChecked());
    EXPECT_TRUE(ScreenRig::child<QRadioButton>(screen, "impulsi_1")->isChecked());
    EXPECT_EQ(captionColour(screen, "attiv_1"), Qt::red);
    EXPECT_EQ(captionColour(screen, "attiv_0"), Qt::black);
    EXPECT_EQ(captionColour(screen, "impulsi_1"), Qt::red);
    EXPECT_EQ(captionColour(screen, "impulsi_0"), Qt::black);

    QTest::mouseClick(ScreenRig::child<QRadioButton>(screen, "attiv_0"), Qt::LeftButton);
    EXPECT_EQ(captionColour(screen, "attiv_0"), Qt::red);
    EXPECT_EQ(captionColour(screen, "attiv_1"), Qt::black);
}

TEST(ModemSetupScreen, OkStoresEveryFieldAtItsOffsetAndSwitchesTheMenuItemAtOnce) {
    ScreenRig rig;
    ModemIdentity identity;
    rig.folder.write("plant.pas", identity.bytes());
    ASSERT_TRUE(rig.session.modemMenu.isEnabled());
    ModemSetupScreen screen(rig.session);
    screen.show();

    replaceText(screen, "nr_tel", "00390212345678901234"); // one more than the field holds
    replaceText(screen, "iniz2", "AT&C0&S0");
    replaceText(screen, "iniz4", "ATS0=0");
    QTest::mouseClick(ScreenRig::child<QRadioButton>(screen, "attiv_1"), Qt::LeftButton);
    QTest::mouseClick(ScreenRig::child<QRadioButton>(screen, "impulsi_1"), Qt::LeftButton);
    ScreenRig::click(screen, "OK");

    QByteArray expected = identity.bytes();
    expected.replace(37, 19, "0039021234567890123");
    expected[56] = '1';
    expected.replace(69, 12, "AT&C0&S0    ");
    expected.replace(93, 12, "ATS0=0      ");
    expected[105] = '1';
    EXPECT_EQ(rig.folder.read("plant.pas"), expected);
    EXPECT_FALSE(rig.session.modemMenu.isEnabled()) << "disabled at once, not at the next start";
    EXPECT_FALSE(screen.isVisible());

    ModemSetupScreen again(rig.session);
    QTest::mouseClick(ScreenRig::child<QRadioButton>(again, "attiv_0"), Qt::LeftButton);
    ScreenRig::click(again, "OK");
    EXPECT_EQ(rig.folder.read("plant.pas").at(56), '0');
    EXPECT_TRUE(rig.session.modemMenu.isEnabled());
}

TEST(ModemSetupScreen, ExitLeavesTheFileAsItWas) {
    ScreenRig rig;
    const QByteArray stored = ModemIdentity{}.bytes();
    rig.folder.write("plant.pas", stored);
    ModemSetupScreen screen(rig.session);
    screen.show();
    replaceText(screen, "nr_tel", "999");
    QTest::mouseClick(ScreenRig::child<QRadioButton>(screen, "attiv_1"), Qt::LeftButton);
    ScreenRig::click(screen, "EXIT");
    EXPECT_EQ(rig.folder.read("plant.pas"), stored);
    EXPECT_TRUE(rig.session.modemMenu.isEnabled());
    EXPECT_FALSE(screen.isVisible());
}

} // namespace
} // namespace korven::test
