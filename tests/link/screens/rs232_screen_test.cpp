#include "link/link_texts.h"
#include "link/screens/modem_setup_screen.h"
#include "link/screens/rs232_screen.h"
#include "link/screens/screen_rig.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

TEST(Rs232Screen, ShowsTheStoredChoicesAndTheNewOneInRed) {
    ScreenRig rig;
    rig.writeIdentity('1', '2');
    Rs232Screen screen(rig.session);

    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_1"));
    EXPECT_TRUE(ScreenRig::chosen(screen, "tipspe1_2"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_0"), Qt::black);
    EXPECT_EQ(ScreenRig::captionColour(screen, "tipspe1_0"), Qt::black);

    ScreenRig::choose(screen, "Tipocom1_2");
    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_2"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_1"), Qt::black);
    EXPECT_EQ(rig.session.portSettings.comIndex, 2) << "the next conversation uses it";
}

TEST(Rs232Screen, ConfirmTriesThePortThenStoresBothIndexes) {
    ScreenRig rig;
    Rs232Screen screen(rig.session);
    screen.show();
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

TEST(Rs232Screen, PortThatDoesNotExistFallsBackToCom1WithTheChosenSpeed) {
    ScreenRig rig;
    rig.port.setPortMissing(3);
    Rs232Screen screen(rig.session);
    screen.show();
    ScreenRig::choose(screen, "Tipocom1_2");
    ScreenRig::choose(screen, "tipspe1_0");
    ScreenRig::click(screen, "Command3D2");

    EXPECT_EQ(rig.prompter.texts(), QStringList{link_texts::invalidPort});
    EXPECT_EQ(rig.storedIndexes(), "00");
    EXPECT_TRUE(ScreenRig::chosen(screen, "Tipocom1_0"));
    EXPECT_EQ(ScreenRig::captionColour(screen, "Tipocom1_2"), Qt::black);
    EXPECT_TRUE(screen.isVisible());
}

TEST(Rs232Screen, ConfirmWhileAnotherScreenTalksToTheLoggerLeavesThePortAlone) {
    ScreenRig rig;
    Rs232Screen screen(rig.session);
    screen.show();
    auto conversation = rig.session.link.startConversation();
    ASSERT_EQ(conversation->openPort().code, 0);
    ScreenRig::choose(screen, "Tipocom1_3");
    ScreenRig::click(screen, "Command3D2");

    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_EQ(rig.port.portNumber(), 1);
    EXPECT_EQ(rig.storedIndexes(), "02");
    EXPECT_TRUE(screen.isVisible());
}

// An identity file that cannot be written is named in the message of both
// screens that save it; neither closes as if it had saved.
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

} // namespace
} // namespace korven::test
