// The screens that set up the line: the port and speed, and the modem.

#include "link/link_texts.h"
#include "link/screens/modem_setup_screen.h"
#include "link/screens/rs232_screen.h"
#include "link/screens/screen_rig.h"
#include "support/modem_identity.h"

#include <QDir>
#include <QFile>
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

TEST(Rs232Screen, ShowsTheStoredChoicesAndTheNewOneInRedAndConfirmStoresThemOnceThePortOpens) {
    ScreenRig rig;
    rig.writeIdentity('1', '2');
    Rs232Screen screen(rig.session);
    screen.show();
    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_1"));
    EXPECT_TRUE(ScreenRig::chosen(screen, "tipspe1_2"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_0"), Qt::black);
    EXPECT_EQ(ScreenRig::captionColour(screen, "tipspe1_0"), Qt::black);

    ScreenRig::choose(screen, "Tipocom1_2");
    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_2"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_1"), Qt::black);
    EXPECT_EQ(rig.session.portSettings.comIndex, 2) << "the next conversation uses it";

    ScreenRig::choose(screen, "Tipocom1_3");
    ScreenRig::choose(screen, "tipspe1_1");
    ScreenRig::click(screen, "Command3D2");
    EXPECT_EQ(rig.port.opens(), 1);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.port.portNumber(), 4);
    EXPECT_EQ(rig.port.lineSettings(), "4800,n,8,2");
    EXPECT_EQ(rig.storedIndexes(), "31");
    EXPECT_EQ(rig.session.status.text(StatusTexts::Port), "Com 4, 4800");
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());
    EXPECT_FALSE(screen.isVisible());
}

// A port that does not exist falls back to COM 1 with the chosen speed.
TEST(Rs232Screen, ConfirmLeavesAPortInUseAloneAndFallsBackToCom1ForOneThatDoesNotExist) {
    ScreenRig rig;
    rig.port.setPortMissing(3);
    Rs232Screen screen(rig.session);
    screen.show();
    {
        auto conversation = rig.session.link.startConversation();
        ASSERT_EQ(conversation->openPort().code, 0);
        ScreenRig::choose(screen, "Tipocom1_3");
        ScreenRig::click(screen, "Command3D2");
        EXPECT_TRUE(rig.port.isOpen());
        EXPECT_EQ(rig.port.portNumber(), 1);
        EXPECT_EQ(rig.storedIndexes(), "02");
        EXPECT_TRUE(screen.isVisible());
        conversation->closePort();
    }
    ScreenRig::choose(screen, "Tipocom1_2");
    ScreenRig::choose(screen, "tipspe1_0");
    ScreenRig::click(screen, "Command3D2");
    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::invalidPort});
    EXPECT_EQ(rig.storedIndexes(), "00");
    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_0"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_2"), Qt::black);
    EXPECT_TRUE(screen.isVisible());
}

// Neither screen closes as if it had saved an identity file it could not write.
TEST(Rs232Screen, AnIdentityFileThatCannotBeWrittenIsNamedAlsoByTheModemSetup) {
    ScreenRig rig;
    const QString identity = rig.folder.path("plant.pas");
    ASSERT_TRUE(QFile::remove(identity));
    ASSERT_TRUE(QDir().mkdir(identity));
    Rs232Screen rs232(rig.session);
    ModemSetupScreen modem(rig.session);
    for (QDialog* screen : std::initializer_list<QDialog*>{&rs232, &modem}) {
        rig.prompter.clear();
        screen->show();
        ScreenRig::click(*screen, screen == &rs232 ? "Command3D2" : "OK");
        ASSERT_EQ(rig.prompter.texts().size(), 1) << qPrintable(screen->objectName());
        EXPECT_TRUE(rig.prompter.texts()[0].startsWith("ATTENZIONE: errore sul file "))
            << qPrintable(rig.prompter.texts()[0]);
        EXPECT_TRUE(rig.prompter.texts()[0].contains(QDir::toNativeSeparators(identity)));
        EXPECT_TRUE(screen->isVisible());
    }
}

TEST(ModemSetupScreen, ShowsAndStoresEveryFieldAtItsOffsetAndSwitchesTheMenuItemAtOnce) {
    ScreenRig rig;
    ModemIdentity identity;
    rig.folder.write("plant.pas", identity.bytes());
    ASSERT_TRUE(rig.session.modemMenu.isEnabled());
    ModemSetupScreen screen(rig.session);
    screen.show();
    EXPECT_EQ(field(screen, "nr_tel")->text(), "0123456");
    EXPECT_EQ(field(screen, "iniz1")->text(), "AT&D0&K0&R1");
    EXPECT_EQ(field(screen, "iniz3")->text(), "ATX1");
    EXPECT_EQ(field(screen, "iniz4")->text(), "");

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

    // The stored choices in red, and the new one.
    ModemSetupScreen again(rig.session);
    EXPECT_TRUE(ScreenRig::chosen(again, "attiv_1"));
    EXPECT_TRUE(ScreenRig::chosen(again, "impulsi_1"));
    EXPECT_EQ(ScreenRig::captionColour(again, "impulsi_0"), Qt::black);
    ScreenRig::choose(again, "attiv_0");
    EXPECT_TRUE(ScreenRig::chosen(again, "attiv_0"));
    EXPECT_EQ(ScreenRig::captionColour(again, "attiv_1"), Qt::black);
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
