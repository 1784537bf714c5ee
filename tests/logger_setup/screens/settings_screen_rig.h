#pragma once

#include "link/screens/screen_rig.h"
#include "link/screens/transmission_screen.h"
#include "session/screen_names.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace korven::test {

// What the user is told once logger 1 scans again after an operation.
inline const QString kResumed = resumedText(1);

// A set-up screen handing its operations to the transmission screen, over logger 1.
struct SettingsScreenRig : ScreenRig {
    using ScreenRig::ScreenRig;
    ~SettingsScreenRig() {
        while (TransmissionScreen* left = transmission())
            delete left;
        // Closed transmission screens go while the session they use is here.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The transmission screen a set-up screen opened, while it shows.
    static TransmissionScreen* transmission() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* screen = qobject_cast<TransmissionScreen*>(widget);
            if (screen && screen->isVisible())
                return screen;
        }
        return nullptr;
    }
    // Types logger 1 on the transmission screen and confirms; the operation runs to its end.
    static void transmitToLoggerOne() {
        TransmissionScreen* screen = transmission();
        ASSERT_TRUE(screen);
        auto* code = child<QLineEdit>(*screen, "numld2");
        code->clear();
        QTest::keyClicks(code, QStringLiteral("1"));
        click(*screen, "Command3D2");
        ASSERT_FALSE(screen->isVisible());
    }

    // The user selects what a field holds and types over it.
    static void typeOver(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

} // namespace korven::test
