#include "launcher/simulator_process.h"

namespace korven {

namespace {

constexpr int kStartLimitMs = 5000;

} // namespace

SimulatorProcess::SimulatorProcess(const QString& program, const QString& linkPath,
                                   const QStringList& options) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, QStringList{QStringLiteral("--link"), linkPath} + options);
    while (!process_.canReadLine() && process_.waitForReadyRead(kStartLimitMs)) {
    }
    serving_ = process_.readLine().startsWith("korven-sim: serving on");
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(kStartLimitMs))
        process_.kill();
}

} // namespace korven
