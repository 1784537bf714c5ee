#include "download/screens/sibling_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace korven {

void showBeside(QWidget* beside, QWidget* screen) {
    screen->setAttribute(Qt::WA_DeleteOnClose);
    const auto* frame = qobject_cast<QMdiSubWindow*>(beside->parentWidget());
    QMdiArea* area = frame ? frame->mdiArea() : nullptr;
    if (!area) {
        screen->show();
        return;
    }
    QMdiSubWindow* window = area->addSubWindow(screen);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A screen that closes itself takes its frame with it.
    QObject::connect(screen, &QObject::destroyed, window, &QWidget::close);
    window->show();
}

} // namespace korven
