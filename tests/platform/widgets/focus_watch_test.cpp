#include "platform/widgets/focus_watch.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace korven;

namespace {

// A message box taking the focus neither leaves nor enters the field; a field
// given the focus back with its window (the user clicked it while another
// field's check showed a message) can still be left.
TEST(FocusWatch, WindowFocusChangesAreNotEntriesOrExits) {
    QLineEdit field;
    int entered = 0;
    int left = 0;
    FocusWatch::onEntered(&field, [&] { ++entered; });
    FocusWatch::onLeft(&field, [&] { ++left; });
    const auto send = [&](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&field, &event);
    };

    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(left, 0) << "a field that never had the focus is not left";
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(entered, 0);
    EXPECT_EQ(left, 1);

    send(QEvent::FocusIn, Qt::TabFocusReason);
    send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(left, 2);
}

} // namespace
