#include "platform/widgets/focus_watch.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace korven;

namespace {

void send(QWidget* field, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(field, &event);
}

TEST(FocusWatch, AMessageBoxTakingTheFocusNeitherLeavesNorEntersTheField) {
    QLineEdit field;
    int entered = 0;
    int left = 0;
    FocusWatch::onEntered(&field, [&] { ++entered; });
    FocusWatch::onLeft(&field, [&] { ++left; });

    send(&field, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(left, 0) << "a field that never had the focus is not left";

    send(&field, QEvent::FocusIn, Qt::TabFocusReason);
    send(&field, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    send(&field, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 0);
    send(&field, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(left, 1);
}

TEST(FocusWatch, AFieldGivenTheFocusBackWithItsWindowCanBeLeft) {
    // The user clicked this field while another one's check showed a message;
    // the field gets the focus when the window comes back, and leaving it
    // later must still check it.
    QLineEdit field;
    int entered = 0;
    int left = 0;
    FocusWatch::onEntered(&field, [&] { ++entered; });
    FocusWatch::onLeft(&field, [&] { ++left; });
    send(&field, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    send(&field, QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(entered, 0);
    EXPECT_EQ(left, 1);
}

} // namespace
