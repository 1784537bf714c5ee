#pragma once

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

namespace korven::test {

// The user types into a field, replacing what it held.
inline void type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

// The user moves into a field; then types there and moves on to another control.
inline void enter(QWidget* field) {
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}
inline void typeAndLeave(QLineEdit* field, const QString& text) {
    enter(field);
    type(field, text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &leave);
}

inline void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The names of the controls the Tab key reaches, in order; an unnamed part
// of a control (a list's text box) goes by the control's name.
inline QStringList tabOrder(QWidget& screen) {
    QStringList names;
    for (QWidget* w = screen.nextInFocusChain(); w != &screen; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&screen) || !w->isEnabled())
            continue;
        const QWidget* named = w;
        while (named->objectName().isEmpty() && named->parentWidget() != &screen)
            named = named->parentWidget();
        if (!named->objectName().isEmpty() &&
            (names.isEmpty() || names.last() != named->objectName()))
            names.append(named->objectName());
    }
    return names;
}

} // namespace korven::test
