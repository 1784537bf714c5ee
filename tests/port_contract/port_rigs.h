#pragma once

#include "launcher/simulator_process.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "support/simulated_port.h"
#include "support/temp_folder.h"
#include "support/virtual_clock.h"

#include <QElapsedTimer>

namespace korven::test {

// What the contract needs of an implementation: the port, the time base it
// is driven on, the COM number where a logger answers and one with no device.
struct SimulatedRig {
    static constexpr int kLoggerPort = 2;
    static constexpr int kMissingPort = 3;

    SimulatedRig() { port.setPortMissing(kMissingPort); }

    SerialPort& serial() { return port; }
    Ticks& ticks() { return clock; }
    qint64 elapsedMs() const { return clock.nowMs(); }
    bool ready() const { return true; }

    VirtualClock clock;
    SimulatedPort port{clock};
};

#ifdef KORVEN_SIM_PATH
// The production port over a pseudo-terminal served by korven-sim, paced at
// the line speed so that replies come in pieces as on a serial line. Only
// where the simulator can be built.
struct PtyRig {
    static constexpr int kLoggerPort = 2;
    static constexpr int kMissingPort = 3;

    PtyRig() {
        qputenv("KORVEN_COM2", folder.path("logger").toLocal8Bit());
        qputenv("KORVEN_COM3", folder.path("nothing-here").toLocal8Bit());
        time.start();
    }

    SerialPort& serial() { return port; }
    Ticks& ticks() { return qtTicks; }
    qint64 elapsedMs() const { return time.elapsed(); }
    bool ready() const { return simulator.isServing(); }

    TempFolder folder;
    SimulatorProcess simulator{
        QStringLiteral(KORVEN_SIM_PATH), folder.path("logger"), {QStringLiteral("--throttle")}};
    QtTicks qtTicks;
    QtSerialPort port;
    QElapsedTimer time;
};
#endif

} // namespace korven::test
