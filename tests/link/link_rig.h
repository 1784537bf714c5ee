#pragma once

#include "link/logger_link.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "link/wake_logger.h"
#include "support/scripted_prompter.h"
#include "support/simulated_port.h"
#include "support/virtual_clock.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace korven::test {

// A logger link over the simulated logger on virtual time, with the progress
// texts of the transmission screen's label collected.
struct LinkRig {
    explicit LinkRig(sim::LoggerConfig config = {}) : port(clock, config) {
        link.state().callerScreen = QStringLiteral("Form27");
        labels.attach(QStringLiteral("Form27"), this,
                      [this](const QString& text) { progress.append(text); });
        port.setLineSettings(QStringLiteral("9600,n,8,2"));
    }

    sim::FaultPlan& faults() { return port.logger().faults(); }
    // Wakes the logger in a conversation of its own.
    LinkStatus wake() {
        auto conversation = link.startConversation();
        return wakeLogger(*conversation);
    }
    int writesOf(const QByteArray& bytes) const {
        return static_cast<int>(port.writes().count(bytes));
    }

    VirtualClock clock;
    SimulatedPort port;
    ScriptedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter{prompter, labels};
    LoggerLink link{port, clock, reporter};
    QStringList progress;
};

inline const QByteArray kBurst(200, '\xFF');
inline const QByteArray kBroadcast("\x80");

} // namespace korven::test
