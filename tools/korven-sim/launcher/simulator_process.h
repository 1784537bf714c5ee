#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace korven {

// The korven-sim program at `program` serving a pseudo-terminal at
// `linkPath` for as long as this object lives. Its error output goes to ours.
class SimulatorProcess {
public:
    SimulatorProcess(const QString& program, const QString& linkPath,
                     const QStringList& options = {});
    ~SimulatorProcess();

    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // True once it said it is serving.
    bool isServing() const { return serving_; }

private:
    QProcess process_;
    bool serving_ = false;
};

} // namespace korven
