#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace korven::test {

// The korven-sim program serving a pseudo-terminal at `linkPath` for as long
// as this object lives.
class SimulatorProcess {
public:
    SimulatorProcess(const QString& program, const QString& linkPath,
                     const QStringList& options = {});
    ~SimulatorProcess();

    // True once it said it is serving.
    bool isServing() const { return serving_; }

private:
    QProcess process_;
    bool serving_ = false;
};

} // namespace korven::test
