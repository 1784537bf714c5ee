#include "link/link_texts.h"
#include "link/screens/transmission_screen.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/number_format.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "logger_setup/screens/settings_screen_rig.h"
#include "support/session_rig.h"
#include "support/user_input.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace korven::test {
namespace {

// The channel editor open on a saved set-up, the simulated logger (code 1)
// on the line, and every text its "Text1" showed.
struct EditorScreenRig : SessionRig {
    explicit EditorScreenRig(const QByteArray& channelCount = "8 ") : SessionRig({}) {
        writeLoggerSet(folder, channelCount);
        screen = std::make_unique<ChannelSetupScreen>(session);
        screen->show();
        QObject::connect(progressBox(), &QLineEdit::textChanged,
                         [this](const QString& text) { progress.append(text); });
    }

    template <typename T = QWidget> T* element(const char* array, int index) const {
        T* found =
            screen->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
        EXPECT_TRUE(found) << array << index;
        return found;
    }
    QLineEdit* progressBox() const { return child<QLineEdit>(*screen, "Text1"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(*screen, name); }
    bool sendEnabled() const { return button("Command3d5")->isEnabled(); }
    void choose(const char* list, int row, const QString& text) {
        auto* box = element<QComboBox>(list, row);
        box->setCurrentIndex(box->findText(text));
        Q_EMIT box->activated(box->currentIndex());
    }

    // When the transmission screen comes up, `act` is done on it.
    void onTransmissionScreen(std::function<void(TransmissionScreen&)> act, int tries = 50) {
        QTimer::singleShot(0, [this, act, tries] {
            auto* dialog = qobject_cast<TransmissionScreen*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (tries > 0)
                    onTransmissionScreen(act, tries - 1);
                return;
            }
            ++transmissionScreens;
            act(*dialog);
        });
    }
    // "Invio", and the logger's code typed into the transmission screen.
    void sendTo(const QString& code) {
        onTransmissionScreen([code](TransmissionScreen& dialog) {
            type(child<QLineEdit>(dialog, "numld2"), code);
            click(dialog, "Command3D2");
        });
        click(*screen, "Command3d5");
    }
    std::unique_ptr<ChannelSetupScreen> screen;
    QStringList progress;
    int transmissionScreens = 0;
};

QColor ground(const QWidget* cell) {
    return cell->palette().color(QPalette::Window);
}

TEST(ChannelSetupScreen, ShowsTheSavedSetUpWithFourOrEightRows) {
    for (const auto& [stored, option, rows] :
         {std::tuple{"4 ", "Option1_0", 4}, std::tuple{"16", "Option1_1", 8}}) {
        EditorScreenRig rig(stored);
        EXPECT_TRUE(SessionRig::child<QRadioButton>(*rig.screen, option)->isChecked());
        for (int row = 0; row < 8; ++row) {
            for (const char* array : {"descr", "GAIN", "punto1", "Label5", "ACTIV_G"})
                EXPECT_EQ(rig.element(array, row)->isVisible(), row < rows) << array << row;
        }
    }

    EditorScreenRig rig;
    EXPECT_EQ(rig.screen->windowTitle(),
              "SET-UP KORVEN. File configurazione: " + rig.folder.path("logger"));
    EXPECT_EQ(rig.session.link.state().callerScreen, "Form41");
    const auto list = [&rig](const char* name, int row) {
        return rig.element<QComboBox>(name, row)->currentText();
    };
    EXPECT_EQ(
        (QStringList{rig.element<QLineEdit>("descr", 3)->text(),
                     rig.element<QLineEdit>("GAIN", 3)->text(), list("punto1", 3), list("scala", 7),
                     list("alim1", 3), list("unita1", 4), rig.element<QLabel>("Label5", 1)->text(),
                     rig.element<QLabel>("ACTIV_DIG", 2)->text()}),
        QStringList({"SENSORE 3 ", "+01.234", "**.***", "Pt100", " 5 V", QString::fromUtf8("°C"),
                     "ON ", "OFF"}));
    EXPECT_EQ(ground(rig.element("Label5", 1)), QColor(0, 255, 0));
    EXPECT_EQ(ground(rig.element("Label5", 0)), QColor(255, 0, 0));
}

TEST(ChannelSetupScreen, EveryEditDisablesInvioUntilSalva) {
    const std::function<void(EditorScreenRig&)> edits[] = {
        [](EditorScreenRig& rig) { type(rig.element<QLineEdit>("descr", 2), "X"); },
        [](EditorScreenRig& rig) { rig.choose("scala", 1, "4-20mA"); },
        [](EditorScreenRig& rig) { rig.choose("alim1", 1, "24 V"); },
        [](EditorScreenRig& rig) { rig.choose("unita1", 1, "mV"); },
        [](EditorScreenRig& rig) { rig.choose("punto1", 1, "*.****"); },
        [](EditorScreenRig& rig) { typeAndLeave(rig.element<QLineEdit>("ZERO", 5), "12"); },
        [](EditorScreenRig& rig) { QTest::mouseClick(rig.element("ACTIV_G", 6), Qt::LeftButton); },
        [](EditorScreenRig& rig) { QTest::mouseClick(rig.element("Label5", 6), Qt::LeftButton); },
        [](EditorScreenRig& rig) { QTest::keyClick(rig.element("Label5", 3), Qt::Key_Space); },
        [](EditorScreenRig& rig) {
            QTest::mouseClick(rig.element("ACTIV_DIG", 1), Qt::LeftButton);
        },
        [](EditorScreenRig& rig) { QTest::mouseClick(rig.element("Option1", 0), Qt::LeftButton); },
    };
    for (int edit = 0; edit < std::ssize(edits); ++edit) {
        EditorScreenRig rig;
        edits[edit](rig);
        EXPECT_FALSE(rig.sendEnabled()) << "edit " << edit;
        // "Stampa" stays; it prints what is saved.
        EXPECT_TRUE(rig.button("Command3d6")->isEnabled());
        click(rig.button("Command3d1"));
        EXPECT_TRUE(rig.sendEnabled()) << "edit " << edit;
    }
}

TEST(ChannelSetupScreen, TabbingThroughTheRowsIsNoEditAndDescriptionsTakeTenCharacters) {
    EditorScreenRig rig;
    for (int row = 0; row < 8; ++row) {
        for (const char* field : {"GAIN", "ZERO"}) {
            enter(rig.element(field, row));
            leave(rig.element(field, row));
        }
        EXPECT_TRUE(rig.element("Label5", row)->focusPolicy() & Qt::TabFocus) << row;
        EXPECT_TRUE(rig.element("ACTIV_G", row)->focusPolicy() & Qt::TabFocus) << row;
    }
    EXPECT_TRUE(rig.sendEnabled());
    EXPECT_TRUE(rig.prompter.texts().isEmpty());

    auto* description = rig.element<QLineEdit>("descr", 0);
    type(description, "Temperatura aria");
    EXPECT_EQ(description->text(), "Temperatur");
}

TEST(ChannelSetupScreen, EditsAreShownAtOnceAndReachTheFilesOnSalva) {
    EditorScreenRig rig;
    rig.choose("punto1", 0, "**.***");
    EXPECT_EQ(rig.element<QLineEdit>("GAIN", 0)->text(), "+01.234");
    typeAndLeave(rig.element<QLineEdit>("ZERO", 2), "abc");
    EXPECT_EQ(rig.prompter.texts(), QStringList{kInvalidValueMessage});
    EXPECT_EQ(rig.prompter.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(rig.element<QLineEdit>("ZERO", 2)->text(), "+000.00");
    QTest::mouseClick(rig.element("ACTIV_G", 2), Qt::LeftButton);
    EXPECT_EQ(ground(rig.element("ACTIV_G", 2)), QColor(255, 0, 0));
    rig.choose("scala", 2, "0-20mA");
    QTest::mouseClick(rig.element("Option1", 0), Qt::LeftButton);
    EXPECT_FALSE(rig.element("descr", 6)->isVisible());
    click(rig.button("Command3d1"));

    const QByteArray tmr = rig.folder.read("logger.tmr");
    EXPECT_EQ(tmr.mid(13, 14), "+01234-00050"
                               "03");
    EXPECT_EQ(tmr.mid(2 * 35 + 19, 7), "+00000A");
    EXPECT_EQ(tmr.mid(2 * 35 + 32, 3), "OFF");
    EXPECT_EQ(rig.folder.read("logger.par").left(2), "4 ");
}

// What the sending does is the channel sending's; here, that "Invio" reaches
// it through the transmission screen and the screen shows its progress.
TEST(ChannelSetupScreen, InvioSendsTheSavedSetUpThroughTheTransmissionScreen) {
    EditorScreenRig rig;
    rig.sendTo("1");

    EXPECT_EQ(rig.transmissionScreens, 1);
    EXPECT_TRUE(rig.port.logger().commands().contains("C1"));
    EXPECT_EQ(rig.port.logger().channel(5).description, "SENSORE 5 ");
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_EQ(rig.progress.first(), "PLEASE WAIT");
    EXPECT_TRUE(rig.progress.contains("Channel parameter sending 07"));
    EXPECT_EQ(rig.progressBox()->text(), "End of procedure");
    for (const char* name : {"Command3d1", "Command3d6", "Command3d5", "Command3d2"})
        EXPECT_TRUE(rig.button(name)->isEnabled()) << name;
    EXPECT_FALSE(SettingsScreenRig::transmission());
    EXPECT_TRUE(rig.screen->isVisible());
}

TEST(ChannelSetupScreen, ALoggerThatDoesNotAnswerItsCodeClosesBothScreens) {
    EditorScreenRig rig;
    rig.faults().silentAfterCommands = 1; // it wakes, then keeps quiet
    rig.sendTo("1");
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected, link_texts::resumeFailed}));
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_FALSE(SettingsScreenRig::transmission());
}

TEST(ChannelSetupScreen, LeavingTheTransmissionScreenSendsNothing) {
    EditorScreenRig rig;
    rig.onTransmissionScreen(
        [](TransmissionScreen& dialog) { SessionRig::click(dialog, "Command3D1"); });
    click(rig.button("Command3d5"));

    EXPECT_EQ(rig.transmissionScreens, 1);
    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_TRUE(rig.sendEnabled());
    EXPECT_TRUE(rig.screen->isVisible());
}

TEST(ChannelSetupScreen, ClosingDuringTheSendingStopsItAndRestartsTheScanning) {
    EditorScreenRig rig;
    qsizetype writesAtClose = -1;
    rig.clock.at(rig.clock.nowMs() + 8500, [&] {
        rig.screen->close();
        EXPECT_TRUE(rig.screen->isVisible()) << "it goes once the sending has stopped";
        writesAtClose = rig.port.writes().size();
    });
    rig.sendTo("1");

    EXPECT_FALSE(rig.screen->isVisible());
    // After the stop only the resume: its address byte and "Z", "Y".
    EXPECT_EQ(rig.port.writes().mid(writesAtClose),
              QList<QByteArray>({"\x80", "Z\r", "\x80", "Y\r"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_FALSE(rig.session.link.busy());
    EXPECT_TRUE(rig.session.link.state().callerScreen.isEmpty());
}

TEST(ChannelSetupScreen, StampaPrintsTheSavedSetUp) {
    EditorScreenRig rig;
    click(rig.button("Command3d6"));
    EXPECT_EQ(rig.printer.printed().documentsEnded(), 1);
}

} // namespace
} // namespace korven::test
