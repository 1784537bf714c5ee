#pragma once

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace korven::test {

// The user types into a field, replacing what it held.
inline void type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

// The user moves into a field, and out of it to another control.
inline void enter(QWidget* field) {
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}
inline void leave(QWidget* field) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}
inline void typeAndLeave(QLineEdit* field, const QString& text) {
    enter(field);
    type(field, text);
    leave(field);
}

inline void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace korven::test
