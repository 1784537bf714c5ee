#pragma once

#include "shell/screens/main_window.h"
#include "support/session_rig.h"
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

    // A catalog screen that only records that it was made.
    ScreenFactory recordingScreen(const QString& name) {
        return [this, name](Session&) {
            screensOpened.append(name);
            auto* screen = new QWidget;
            screen->setObjectName(name);
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
