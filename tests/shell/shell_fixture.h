#pragma once

#include "shell/screens/main_window.h"
#include "support/session_rig.h"
#include "support/test_installation.h"
#include "support/user_input.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace korven::test {

// The session's parts with the main window on top.
class ShellTest : public ::testing::Test, protected SessionParts {
protected:
    int programEnds = 0;
    QStringList screensOpened;

    // "<stem>.stp" and its side files with recognisable values: COM 2 at 9600
    // unless told otherwise, the modem activated, three loggers, block 37
    // downloaded on 01/02/2024 into "misure.prn".
    void writeInstallation(const QString& stem = QStringLiteral("plant"), char comIndex = '1',
                           char speedIndex = '2', qint16 lastBlock = 37) {
        const IdentityRecord identity{
            .loggerCount = "3", .comIndex = comIndex, .speedIndex = speedIndex, .status = '0'};
        folder.write(stem + ".stp", QByteArray(10 * 75, 'S'));
        folder.write(stem + ".pas", identity.bytes());
        folder.write(stem + ".PUN", downloadPointerRecord(lastBlock, "01/02/2024"));
        folder.write(stem + ".DIR", dataDirectoryRecord("misure.prn"));
    }

    // The installation above named by "config.dat" with the logger set-up "logger".
    void writeNamedInstallation(const QByteArray& password = QByteArray(20, '\0'),
                                bool passwordActive = false) {
        writeInstallation();
        folder.write("config.dat", settingsRecord("plant.stp", "logger", password, passwordActive));
    }

    // A small catalog screen that only records that it was made.
    ScreenFactory recordingScreen(const QString& name, const QString& title = {}) {
        return [this, name, title](Session&) {
            screensOpened.append(name);
            auto* screen = new QWidget;
            screen->setObjectName(name);
            screen->setWindowTitle(title);
            screen->resize(40, 40);
            return screen;
        };
    }

    MainWindow& openMainWindow(ScreenCatalog screens = {}) {
        window_ =
            std::make_unique<MainWindow>(session, std::move(screens), [this] { ++programEnds; });
        return *window_;
    }

    MainWindow& startProgram(ScreenCatalog screens = {}) {
        MainWindow& window = openMainWindow(std::move(screens));
        window.load();
        return window;
    }

    void trigger(const char* item) {
        QAction* action = window_->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    template <typename T = QWidget> T* find(const QString& name, QObject* within = nullptr) const {
        return (within ? within : window_.get())->findChild<T*>(name);
    }

    QString panel(const char* name) const {
        auto* label = find<QLabel>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no panel %1>").arg(name);
    }

    // What is left to run once the click that started an exchange returns:
    // screens closed meanwhile go, and what waited for them runs.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The screens shown in the main window, by name, once closed ones are gone.
    QStringList openScreens() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList names;
        for (QMdiSubWindow* window : find<QMdiArea>({})->subWindowList()) {
            if (window->isVisibleTo(window_.get()))
                names.append(window->widget() ? window->widget()->objectName()
                                              : QStringLiteral("<empty frame>"));
        }
        return names;
    }

private:
    std::unique_ptr<MainWindow> window_;
};

} // namespace korven::test
