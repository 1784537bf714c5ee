#include "logger_setup/screens/scan_settings_screen.h"

#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/general_parameters_screen.h"
#include "logger_setup/screens/settings_screen_rig.h"

#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

QByteArray generalRecord(const QByteArray& scan, char sleep, char acquisition) {
    return test::generalRecord("8 ", scan, sleep, acquisition);
}

// "Scansione e memorizzazione" opened over a logger set-up whose general
// record holds the given scan code and flags.
struct ScanRig : SettingsScreenRig {
    ScanRig(const QByteArray& scan, char sleep, char acquisition) {
        folder.write("logger.par", generalRecord(scan, sleep, acquisition));
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
    QByteArray stored() { return folder.read("logger.par"); }

    std::unique_ptr<ScanSettingsScreen> screen;
};

// A clicked option turns red and the one it replaced blue; "M" carries the
// choices shown, the resume those saved, and only "Salva" saves.
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
    EXPECT_EQ(rig.stored(), generalRecord("03", '1', '1'));

    QTest::mouseClick(rig.option("Acquis_0"), Qt::LeftButton);
    rig.click(*rig.screen, "Command3d2");
    EXPECT_EQ(rig.stored(), generalRecord("07", '0', '0'));
    EXPECT_EQ(rig.prompter.texts().size(), 3) << "the question twice, then the resume";
}

// A code no option stands for chooses nothing, and "Invio" waits for an
// interval and a sleep choice.
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

// A clock request asked for on "Parametri Generali" while the scan setting
// waits for its code does not take its place: "M70" goes out, not "H".
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
