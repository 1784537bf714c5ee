#include "logger_setup/screens/general_parameters_screen.h"

#include "logger_setup/screens/settings_screen_rig.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// "Parametri Generali" open over logger 1, whose clock is `aheadSeconds` from
// the computer's.
struct GeneralRig : SettingsScreenRig {
    explicit GeneralRig(qint64 aheadSeconds = 0)
        : SettingsScreenRig(loggerClockAhead(aheadSeconds)) {
        screen.show();
    }

    QLineEdit* field(const char* name) { return child<QLineEdit>(screen, name); }
    QStringList fields() {
        QStringList texts;
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            texts.append(field(name)->text());
        return texts;
    }
    QLabel* label(const char* name) { return child<QLabel>(screen, name); }
    QList<QByteArray> commands() { return port.logger().commands(); }

    GeneralParametersScreen screen{session};
};

// It opens with the computer's clock in its fields. Every change is checked
// at once: a field emptied, or holding no number, is refused and put back.
TEST(GeneralParameters, OpensWithTheComputersClockAndPutsBackAFieldThatIsNoNumber) {
    GeneralRig rig;
    EXPECT_EQ(rig.screen.windowTitle(),
              "GENERAL KORVEN SETUP INFO. FILE: " + rig.folder.path("logger"));
    EXPECT_EQ(rig.fields(), QStringList({"05", "03", "2024", "12", "00", "00"}));
    EXPECT_FALSE(rig.label("loggerClock")->isVisible());
    EXPECT_FALSE(rig.label("clockDrift")->isVisible());
    rig.typeOver(rig.field("Text1"), "x");
    rig.field("Text3")->clear();
    rig.typeOver(rig.field("Text4"), "99999");
    EXPECT_EQ(rig.fields(), QStringList({"01", "03", "2004", "01", "00", "00"}));
    ASSERT_EQ(rig.prompter.prompts().size(), 3);
    for (const ShownPrompt& prompt : rig.prompter.prompts()) {
        EXPECT_EQ(prompt.text, "ATTENZIONE, valore non valido");
        EXPECT_EQ(prompt.icon, MessageIcon::Critical);
    }
}

const QString kResetQuestion =
    QStringLiteral("Attenzione: La memoria verra' azzerata\rProseguire?");

// The drift's wording is the clock drift's own; here, that it is shown. The
// memory reset empties the memory whatever block is typed.
TEST(GeneralParameters, ClockLastBlockAndMemoryResetGoThroughTheTransmissionScreen) {
    GeneralRig rig(12);
    rig.click(rig.screen, "SSCOMMAND3");
    rig.transmitToLoggerOne();
    QLabel* clock = rig.label("loggerClock");
    EXPECT_TRUE(clock->isVisible());
    EXPECT_TRUE(clock->text().startsWith(rig.port.logger().clock().toString("dd/MM/yy  HH:mm:")))
        << clock->text().toStdString();
    EXPECT_TRUE(rig.label("clockDrift")->isVisible());
    EXPECT_EQ(rig.label("clockDrift")->text(), "Scarto: +12 s");

    rig.click(rig.screen, "Command3d4");
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.label("lastBlock")->text(), "300");

    QLineEdit* block = rig.field("numbloc1");
    rig.typeOver(block, "12");
    Q_EMIT block->editingFinished();
    EXPECT_EQ(block->text(), "0012");
    rig.prompter.answerNext(false);
    rig.click(rig.screen, "Command3d3");
    EXPECT_TRUE(rig.prompter.prompts().last().noIsDefault) << "a stray Enter empties nothing";
    EXPECT_FALSE(rig.transmission());
    rig.click(rig.screen, "Command3d3");
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.commands(),
              QList<QByteArray>({"z", "H", "Z", "z", "j", "Z", "z", "Q0000Q", "Z"}));
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({kResumed, kResumed, kResetQuestion, kResetQuestion, kResumed}));
}

// The command carries what the fields say when "Invio" is pressed, however
// long the screen has been open; an impossible date and "No" send nothing.
TEST(GeneralParameters, ClockSettingSendsWhatTheFieldsSayWhenInvioIsPressed) {
    GeneralRig rig;
    for (int second = 0; second < 90; ++second)
        rig.clock.pump();
    rig.typeOver(rig.field("Text1"), "31");
    rig.typeOver(rig.field("Text2"), "2");
    rig.click(rig.screen, "Command3d5");
    EXPECT_EQ(rig.prompter.texts(), QStringList{"ATTENZIONE: Valore di data non valido"});
    EXPECT_FALSE(rig.transmission());

    rig.prompter.clear();
    rig.typeOver(rig.field("Text1"), "7");
    rig.typeOver(rig.field("Text2"), "3");
    rig.typeOver(rig.field("Text4"), "9");
    rig.typeOver(rig.field("Text5"), "7");
    rig.typeOver(rig.field("Text6"), "3");
    rig.prompter.answerNext(false);
    rig.click(rig.screen, "Command3d5");
    EXPECT_TRUE(rig.prompter.texts().value(0).contains("07/03/2024  09:07:03"));
    EXPECT_FALSE(rig.transmission());
    EXPECT_TRUE(rig.port.writes().isEmpty());

    rig.typeOver(rig.field("Text5"), "8");
    rig.click(rig.screen, "Command3d5");
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.commands(), QList<QByteArray>({"z", "G240307090803", "Z"}));
}

// The screen may go while its transmission screen waits for a code; the
// answer then has nowhere to go, and nothing breaks.
TEST(GeneralParameters, ClosingItBeforeTheTransmissionLeavesTheAnswerUnshown) {
    SettingsScreenRig rig;
    auto* screen = new GeneralParametersScreen(rig.session);
    screen->show();
    rig.click(*screen, "SSCOMMAND3");
    delete screen;
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "H", "Z"}));
}

} // namespace
} // namespace korven::test
