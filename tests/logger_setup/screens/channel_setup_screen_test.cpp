#include "link/link_texts.h"
#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/number_format.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "logger_setup/screens/settings_screen_rig.h"
#include "support/user_input.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace korven::test {
namespace {

// The channel editor open on a saved set-up.
struct EditorScreenRig : SettingsScreenRig {
    explicit EditorScreenRig(const QByteArray& channelCount = "8 ") {
        writeLoggerSet(folder, channelCount);
        screen = std::make_unique<ChannelSetupScreen>(session);
        screen->show();
    }

    template <typename T = QWidget> T* element(const char* array, int index) const {
        T* found =
            screen->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
        EXPECT_TRUE(found) << array << index;
        return found;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(*screen, name); }
    bool sendEnabled() const { return button("Command3d5")->isEnabled(); }
    void choose(const char* list, int row, const QString& text) {
        auto* box = element<QComboBox>(list, row);
        box->setCurrentIndex(box->findText(text));
        Q_EMIT box->activated(box->currentIndex());
    }
    // "Invio"; `onTransmission` is done on the transmission screen it opens.
    void send(std::function<void()> onTransmission = transmitToLoggerOne) {
        QTimer::singleShot(0, onTransmission);
        click(*screen, "Command3d5");
    }

    std::unique_ptr<ChannelSetupScreen> screen;
};

QColor ground(const QWidget* cell) {
    return cell->palette().color(QPalette::Window);
}

// The controls the Tab key reaches from `first` until it comes back to it.
QStringList tabbedFrom(QWidget* first) {
    first->setFocus();
    QStringList reached;
    do {
        reached.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && reached.size() < 100);
    return reached;
}

// "Stampa" prints the saved set-up under the hourglass, and a failed print is told.
TEST(ChannelSetupScreen, ShowsTheSavedSetUpTabsAlongItsRowsAndPrintsIt) {
    for (const auto& [stored, option, rows] :
         {std::tuple{"4 ", "Option1_0", 4}, std::tuple{"16", "Option1_1", 8}}) {
        EditorScreenRig rig(stored);
        EXPECT_TRUE(rig.child<QRadioButton>(*rig.screen, option)->isChecked());
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

    rig.screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.screen.get()));

    QStringList expected;
    for (int row = 0; row < 8; ++row) {
        for (const char* column :
             {"descr", "Label5", "ACTIV_G", "GAIN", "ZERO", "scala", "alim1", "punto1", "unita1"})
            expected.append(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row));
    }
    // The channel count's two options are one stop; the arrows choose between them.
    expected += {"ACTIV_DIG_1", "ACTIV_DIG_2", "Option1_0", "Command3d1",
                 "Command3d6",  "Command3d5",  "Command3d2"};
    const QStringList reached = tabbedFrom(rig.element("descr", 0));
    EXPECT_EQ(reached, expected) << qPrintable(reached.join(u' '));
    EXPECT_TRUE(rig.prompter.texts().isEmpty()) << "passing through a field is no edit";
    EXPECT_TRUE(rig.sendEnabled());

    Qt::CursorShape duringPreview = Qt::ArrowCursor;
    rig.printer.whileShown = [&] { duringPreview = rig.screen->cursor().shape(); };
    click(rig.button("Command3d6"));
    EXPECT_EQ(duringPreview, Qt::WaitCursor);
    EXPECT_EQ(rig.screen->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(rig.printer.printed().find("File: ").text,
              "File: " + QDir::toNativeSeparators(rig.folder.path("logger")) + ".Tmr");
    EXPECT_EQ(rig.printer.printed().documentsEnded(), 1);
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());

    rig.printer.printed().failAtEnd(QStringLiteral("Nessuna stampante installata"));
    click(rig.button("Command3d6"));
    EXPECT_EQ(rig.prompter.texts(),
              QStringList{"ATTENZIONE: stampa non riuscita.\rNessuna stampante installata"});
    EXPECT_EQ(rig.screen->cursor().shape(), Qt::ArrowCursor);
}

TEST(ChannelSetupScreen, EveryEditDisablesInvioUntilSalvaWritesItToTheFiles) {
    EditorScreenRig rig;
    const auto press = [&rig](const char* array, int row) {
        QTest::mouseClick(rig.element(array, row), Qt::LeftButton);
    };
    const std::function<void()> edits[] = {
        [&] { type(rig.element<QLineEdit>("descr", 1), "Temperatura aria"); },
        [&] { rig.choose("punto1", 0, "**.***"); },
        [&] { typeAndLeave(rig.element<QLineEdit>("ZERO", 2), "abc"); },
        [&] { rig.choose("scala", 2, "0-20mA"); },
        [&] { rig.choose("alim1", 1, "24 V"); },
        [&] { rig.choose("unita1", 1, "mV"); },
        [&] { press("ACTIV_G", 2); },
        [&] { press("Label5", 6); },
        [&] { QTest::keyClick(rig.element("Label5", 3), Qt::Key_Space); },
        [&] { press("ACTIV_DIG", 1); },
        [&] { press("Option1", 0); },
    };
    for (int edit = 0; edit < std::ssize(edits); ++edit) {
        edits[edit]();
        EXPECT_FALSE(rig.sendEnabled()) << "edit " << edit;
        // "Stampa" stays; it prints what is saved.
        EXPECT_TRUE(rig.button("Command3d6")->isEnabled());
        click(rig.button("Command3d1"));
        EXPECT_TRUE(rig.sendEnabled()) << "edit " << edit;
    }
    EXPECT_EQ(rig.element<QLineEdit>("GAIN", 0)->text(), "+01.234");
    EXPECT_EQ(rig.prompter.texts(), QStringList{kInvalidValueMessage});
    EXPECT_EQ(rig.prompter.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(rig.element<QLineEdit>("ZERO", 2)->text(), "+000.00");
    EXPECT_EQ(ground(rig.element("ACTIV_G", 2)), QColor(255, 0, 0));
    EXPECT_FALSE(rig.element("descr", 6)->isVisible());

    const QByteArray tmr = rig.folder.read("logger.tmr");
    EXPECT_EQ(tmr.mid(13, 14), "+01234-00050"
                               "03");
    EXPECT_EQ(tmr.mid(35, 10), "Temperatur") << "descriptions take ten characters";
    EXPECT_EQ(tmr.mid(2 * 35 + 19, 7), "+00000A");
    EXPECT_EQ(tmr.mid(2 * 35 + 32, 3), "OFF");
    EXPECT_EQ(rig.folder.read("logger.par").left(2), "4 ");
}

// What the sending does is tested on the channel sending; here, only the wiring.
TEST(ChannelSetupScreen, InvioSendsTheSavedSetUpThroughTheTransmissionScreen) {
    EditorScreenRig rig;
    rig.send([] {
        TransmissionScreen* transmission = SettingsScreenRig::transmission();
        ASSERT_TRUE(transmission);
        SettingsScreenRig::click(*transmission, "Command3D1");
    });
    EXPECT_TRUE(rig.port.writes().isEmpty()) << "leaving the transmission screen sends nothing";
    EXPECT_TRUE(rig.sendEnabled());

    rig.send();
    EXPECT_EQ(rig.port.logger().channel(5).description, "SENSORE 5 ");
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_EQ(rig.child<QLineEdit>(*rig.screen, "Text1")->text(), "End of procedure");
    for (const char* name : {"Command3d1", "Command3d6", "Command3d5", "Command3d2"})
        EXPECT_TRUE(rig.button(name)->isEnabled()) << name;
    EXPECT_FALSE(SettingsScreenRig::transmission());
    EXPECT_TRUE(rig.screen->isVisible());
}

TEST(ChannelSetupScreen, ALoggerThatDoesNotAnswerItsCodeClosesBothScreens) {
    EditorScreenRig rig;
    rig.faults().silentAfterCommands = 1; // it wakes, then keeps quiet
    rig.send();
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({link_texts::notConnected, link_texts::resumeFailed}));
    EXPECT_FALSE(rig.screen->isVisible());
    EXPECT_FALSE(SettingsScreenRig::transmission());
}

TEST(ChannelSetupScreen, ClosingDuringTheSendingStopsItAndRestartsTheScanning) {
    EditorScreenRig rig;
    qsizetype writesAtClose = -1;
    rig.clock.at(rig.clock.nowMs() + 8500, [&] {
        rig.screen->close();
        EXPECT_TRUE(rig.screen->isVisible()) << "it goes once the sending has stopped";
        writesAtClose = rig.port.writes().size();
    });
    rig.send();

    EXPECT_FALSE(rig.screen->isVisible());
    // After the stop only the resume: its address byte and "Z", "Y".
    EXPECT_EQ(rig.port.writes().mid(writesAtClose),
              QList<QByteArray>({"\x80", "Z\r", "\x80", "Y\r"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{kResumed});
    EXPECT_FALSE(rig.session.link.busy());
    EXPECT_TRUE(rig.session.link.state().callerScreen.isEmpty());
}

} // namespace
} // namespace korven::test
