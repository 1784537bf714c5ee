#include "platform/widgets/screen_frame.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace korven {

namespace {

// Closes the frame when its screen is hidden by closing itself, and lets the
// frame grow when the screen comes to need more room than it was opened with
// (a longer message, a part shown later), so nothing of it is cut off.
class FrameKeeper : public QObject {
public:
    FrameKeeper(QMdiSubWindow* frame, QWidget* screen) : QObject(screen), frame_(frame) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::HideToParent)
            frame_->close();
        else if (event->type() == QEvent::LayoutRequest && !frame_->isMaximized())
            frame_->resize(frame_->size().expandedTo(frame_->minimumSizeHint()));
        return false;
    }

private:
    QMdiSubWindow* frame_;
};

} // namespace

QMdiSubWindow* showInFrame(QMdiArea& area, QWidget* screen) {
    QMdiSubWindow* frame = area.addSubWindow(screen);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    screen->installEventFilter(new FrameKeeper(frame, screen));
    frame->show();
    return frame;
}

void showBeside(QWidget* beside, QWidget* screen) {
    const auto* frame = qobject_cast<QMdiSubWindow*>(beside->parentWidget());
    if (QMdiArea* area = frame ? frame->mdiArea() : nullptr) {
        showInFrame(*area, screen);
        return;
    }
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->show();
}

} // namespace korven
