#include "platform/widgets/screen_frame.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace korven {

namespace {

// Widens the frame, when it is narrower, so that its whole title shows
// between the icon and the buttons of its title bar.
void fitTitle(QMdiSubWindow* frame) {
    QFont titleFont = frame->font();
    titleFont.setBold(true);
    const int titleBar = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    // The icon, the three buttons and the margins take about a title bar's
    // height each.
    const int needed =
        QFontMetrics(titleFont).horizontalAdvance(frame->windowTitle()) + 5 * titleBar;
    if (frame->width() < needed)
        frame->resize(needed, frame->height());
}

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
        else if (event->type() == QEvent::WindowTitleChange && !frame_->isMaximized())
            fitTitle(frame_);
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
    fitTitle(frame);
    // In front of whatever the workspace holds (the start-up picture too)
    // and active, so every button of it can be seen and reached at once.
    frame->raise();
    area.setActiveSubWindow(frame);
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
    screen->raise();
    screen->activateWindow();
}

} // namespace korven
