#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/general_parameters_screen.h"
#include "logger_setup/screens/scan_settings_screen.h"
#include "logger_setup/screens/settings_screen_rig.h"

#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// "Parametri Generali" over logger 1, whose clock is `aheadSeconds` ahead.
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

const QString kResetQuestion =
    QStringLiteral("Attenzione: La memoria verra' azzerata\rProseguire?");

// The memory reset empties the memory whatever block is typed.
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

// The command carries what the fields say on "Invio", however long the screen was open.
TEST(GeneralParameters, OpensWithTheComputersClockAndSendsWhatTheFieldsSayOnInvio) {
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

    rig.prompter.clear();
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
    rig.typeOver(rig.field("Text3"), "2024");
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

// The answer to a screen closed while its transmission screen waits goes nowhere.
TEST(GeneralParameters, ClosingItBeforeTheTransmissionLeavesTheAnswerUnshown) {
    SettingsScreenRig rig;
    auto* screen = new GeneralParametersScreen(rig.session);
    screen->show();
    rig.click(*screen, "SSCOMMAND3");
    delete screen;
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "H", "Z"}));
}

// "Scansione e memorizzazione" over a general record with the given scan code and flags.
struct ScanRig : SettingsScreenRig {
    ScanRig(const QByteArray& scan, char sleep, char acquisition) {
        folder.write("logger.par", generalRecord("8 ", scan, sleep, acquisition));
        screen = std::make_unique<ScanSettingsScreen>(session);
        screen->show();
    }

    QRadioButton* option(const QString& name) {
        return child<QRadioButton>(*screen, name.toLatin1().constData());
    }
    // The chosen option of a group by name, "" when none is.
    QString chosen(const QString& group, int options) {
        QString names;
        for (int index = 0; index < options; ++index) {
            if (option(group + u'_' + QString::number(index))->isChecked())
                names += group + u'_' + QString::number(index);
        }
        return names;
    }
    QColor caption(const QString& name) {
        return option(name)->palette().color(QPalette::ButtonText);
    }

    std::unique_ptr<ScanSettingsScreen> screen;
};

// "M" carries the choices shown, the resume those saved, and only "Salva" saves.
TEST(ScanSettings, OpensWithTheStoredChoicesSendsTheShownOnesAndSavesOnSalva) {
    ScanRig rig("03", '1', '1');
    EXPECT_EQ(rig.screen->windowTitle(), "Scansione e memorizzazione");
    EXPECT_EQ(rig.chosen("Acquis", 2), "Acquis_1");
    EXPECT_EQ(rig.chosen("Sleep", 2), "Sleep_1");
    EXPECT_EQ(rig.chosen("Norm", 8), "Norm_3");
    EXPECT_EQ(rig.caption("Norm_3"), QColor(255, 0, 0));
    EXPECT_EQ(rig.caption("Acquis_1"), QColor(255, 0, 0));
    EXPECT_NE(rig.caption("Norm_2"), QColor(0, 0, 255)) << "never chosen, so not blue";

    QTest::mouseClick(rig.option("Norm_7"), Qt::LeftButton);
    EXPECT_EQ(rig.chosen("Norm", 8), "Norm_7");
    EXPECT_EQ(rig.caption("Norm_7"), QColor(255, 0, 0));
    EXPECT_EQ(rig.caption("Norm_3"), QColor(0, 0, 255));
    QTest::mouseClick(rig.option("Sleep_0"), Qt::LeftButton);
    rig.prompter.answerNext(false);
    rig.click(*rig.screen, "Command3d3");
    EXPECT_EQ(rig.prompter.texts(),
              QStringList{QStringLiteral("Prima di inviare i comandi è necessario\rsalvare i dati "
                                         "modificati con il comando salva\rCONTINUO?")});
    EXPECT_FALSE(rig.transmission());

    rig.click(*rig.screen, "Command3d3");
    rig.transmitToLoggerOne();
    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "M70", "Z", "Y"}));
    EXPECT_EQ(rig.folder.read("logger.par"), generalRecord("8 ", "03", '1', '1'));

    QTest::mouseClick(rig.option("Acquis_0"), Qt::LeftButton);
    rig.click(*rig.screen, "Command3d2");
    EXPECT_EQ(rig.folder.read("logger.par"), generalRecord("8 ", "07", '0', '0'));
    EXPECT_EQ(rig.prompter.texts().size(), 3) << "the question twice, then the resume";
}

TEST(ScanSettings, AStoredValueWithoutAnOptionChoosesNothingAndInvioWaits) {
    ScanRig rig("12", '5', '1');
    EXPECT_EQ(rig.chosen("Norm", 8), "");
    EXPECT_EQ(rig.chosen("Sleep", 2), "");
    auto* send = rig.child<QPushButton>(*rig.screen, "Command3d3");
    EXPECT_FALSE(send->isEnabled());
    QTest::mouseClick(rig.option("Norm_4"), Qt::LeftButton);
    EXPECT_FALSE(send->isEnabled());
    QTest::mouseClick(rig.option("Sleep_1"), Qt::LeftButton);
    EXPECT_TRUE(send->isEnabled());
}

TEST(ScanSettings, AClockRequestWhileTheScanSettingWaitsLeavesTheSettingAlone) {
    ScanRig rig("07", '0', '1');
    rig.prompter.answerNext(true);
    rig.click(*rig.screen, "Command3d3");
    TransmissionScreen* scanWindow = rig.transmission();
    ASSERT_TRUE(scanWindow);
    GeneralParametersScreen general(rig.session);
    general.show();
    rig.click(general, "SSCOMMAND3");
    EXPECT_EQ(rig.transmission(), scanWindow);
    rig.transmitToLoggerOne();

    EXPECT_EQ(rig.port.logger().commands(), QList<QByteArray>({"z", "M70", "Z"}));
    EXPECT_FALSE(SettingsScreenRig::child<QLabel>(general, "loggerClock")->isVisible());
}

} // namespace
} // namespace korven::test
