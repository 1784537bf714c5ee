#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <QWidget>

#include <functional>

namespace korven {

// Calls back when the user enters or leaves a field. Only moves between the
// controls of a window count: a message box or another window taking the
// focus for a while neither leaves the field nor enters it again, and a field
// that never had the focus cannot be left.
class FocusWatch : public QObject {
public:
    using Handler = std::function<void()>;

    static void onEntered(QWidget* field, Handler handler) {
        new FocusWatch(field, std::move(handler), {});
    }
    static void onLeft(QWidget* field, Handler handler) {
        new FocusWatch(field, {}, std::move(handler));
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool windowSwitch =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (event->type() == QEvent::FocusIn) {
            const bool wasInside = inside_;
            inside_ = true;
            if (!windowSwitch && !wasInside && entered_)
                entered_();
        } else if (!windowSwitch && inside_) {
            inside_ = false;
            if (left_)
                left_();
        }
        return false;
    }

private:
    FocusWatch(QWidget* field, Handler entered, Handler left)
        : QObject(field), entered_(std::move(entered)), left_(std::move(left)) {
        field->installEventFilter(this);
    }

    Handler entered_;
    Handler left_;
    bool inside_ = false;
};

} // namespace korven
