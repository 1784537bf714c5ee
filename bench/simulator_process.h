#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace korven::bench {

// korven-sim serving on `link` for as long as this object lives.
class SimulatorProcess {
public:
    SimulatorProcess(const QString& link, const QStringList& options);
    ~SimulatorProcess();

    // True once the simulator said it serves.
    bool ready() const { return ready_; }

private:
    QProcess process_;
    bool ready_ = false;
};

} // namespace korven::bench
