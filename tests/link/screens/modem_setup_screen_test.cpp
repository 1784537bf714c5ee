// "Modem Setup": the fields at their offsets in the identity file, the
// option captions, and the menu item switched at once.

#include "link/screens/modem_setup_screen.h"
#include "link/screens/screen_rig.h"
#include "support/modem_identity.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

QLineEdit* field(QWidget& screen, const char* name) {
    return ScreenRig::child<QLineEdit>(screen, name);
}

void replaceText(QWidget& screen, const char* name, const QString& text) {
    field(screen, name)->clear();
    QTest::keyClicks(field(screen, name), text);
}

TEST(ModemSetupScreen, ShowsTheStoredSettingsWithTheChosenOptionsInRed) {
    ScreenRig rig;
    ModemIdentity identity;
    identity.status = '1';
    identity.dialling = '1';
    rig.folder.write("plant.pas", identity.bytes());
    ModemSetupScreen screen(rig.session);

    EXPECT_EQ(field(screen, "nr_tel")->text(), "0123456");
    EXPECT_EQ(field(screen, "iniz1")->text(), "AT&D0&K0&R1");
    EXPECT_EQ(field(screen, "iniz3")->text(), "ATX1");
    EXPECT_EQ(field(screen, "iniz4")->text(), "");
    EXPECT_TRUE(ScreenRig::chosen(screen, "attiv_1"));
    EXPECT_TRUE(ScreenRig::chosen(screen, "impulsi_1"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "impulsi_0"), Qt::black);

    ScreenRig::choose(screen, "attiv_0");
    EXPECT_TRUE(ScreenRig::chosen(screen, "attiv_0"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "attiv_1"), Qt::black);
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
    ScreenRig::choose(screen, "attiv_1");
    ScreenRig::choose(screen, "impulsi_1");
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
    ScreenRig::choose(again, "attiv_0");
    ScreenRig::click(again, "OK");
    EXPECT_EQ(rig.folder.read("plant.pas").at(56), '0');
    EXPECT_TRUE(rig.session.modemMenu.isEnabled());

    ModemSetupScreen left(rig.session);
    left.show();
    const QByteArray stored = rig.folder.read("plant.pas");
    replaceText(left, "nr_tel", "999");
    ScreenRig::choose(left, "attiv_1");
    ScreenRig::click(left, "EXIT");
    EXPECT_EQ(rig.folder.read("plant.pas"), stored) << "Exit leaves the file as it was";
    EXPECT_TRUE(rig.session.modemMenu.isEnabled());
    EXPECT_FALSE(left.isVisible());
}

} // namespace
} // namespace korven::test
