#include "platform/qt_ticks.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace korven {

QtTicks::QtTicks() {
    seconds_.setInterval(1000);
    seconds_.callOnTimeout([this] { secondElapsed(); });
    seconds_.start();

    tenths_.setInterval(100);
    tenths_.callOnTimeout([this] { tenthElapsed(); });
}

void QtTicks::setFastTicksEnabled(bool enabled) {
    if (enabled && !tenths_.isActive())
        tenths_.start();
    else if (!enabled)
        tenths_.stop();
}

void QtTicks::pump() {
    // The one-second timer always runs, so this never blocks for longer than a
    // second even when nothing else happens.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtTicks::rest(int ms) {
    // A plain sleep: an event loop told to leave the port alone still wakes
    // for it under some event dispatchers, and would spin instead of resting.
    QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace korven
