#include "simulator_process.h"

namespace korven::bench {

namespace {

constexpr int kWaitMs = 5000;

} // namespace

SimulatorProcess::SimulatorProcess(const QString& link, const QStringList& options) {
    process_.start(QStringLiteral(KORVEN_SIM_PATH),
                   QStringList{QStringLiteral("--link"), link} + options);
    while (!process_.canReadLine() && process_.waitForReadyRead(kWaitMs)) {
    }
    ready_ = process_.readLine().startsWith("korven-sim: serving on");
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    process_.waitForFinished(kWaitMs);
}

} // namespace korven::bench
