#include "link/screens/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace korven {

void showBusyPointer(bool busy) {
    if (busy) {
        if (!QGuiApplication::overrideCursor())
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    // Back to the default on every window, however often the hourglass was
    // asked for.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace korven
