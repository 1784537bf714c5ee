#include "logger_setup/screens/open_transmission.h"

#include "link/screens/transmission_screen.h"
#include "platform/widgets/screen_frame.h"
#include "session/screen_names.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace korven {

TransmissionScreen* openTransmission(Session& session, QWidget* caller, TransmissionOrder order) {
    if (raiseOpenTransmission())
        return nullptr;
    auto* screen = new TransmissionScreen(session, std::move(order));
    showBeside(caller, screen);
    return screen;
}

bool raiseOpenTransmission() {
    const QWidgetList widgets = QApplication::allWidgets();
    const auto open = std::find_if(widgets.cbegin(), widgets.cend(), [](const QWidget* widget) {
        return widget->objectName() == screen_name::transmission && !widget->isHidden();
    });
    if (open == widgets.cend())
        return false;
    QWidget* screen = *open;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
        frame && frame->mdiArea())
        frame->mdiArea()->setActiveSubWindow(frame);
    screen->raise();
    screen->activateWindow();
    return true;
}

} // namespace korven
