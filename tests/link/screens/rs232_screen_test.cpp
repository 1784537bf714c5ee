#include "link/link_texts.h"
#include "link/screens/rs232_screen.h"
#include "link/screens/screen_rig.h"

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

} // namespace
} // namespace korven::test
