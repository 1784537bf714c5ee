#pragma once

#include "link/logger_link.h"
#include "link/port_settings.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "support/scripted_prompter.h"

namespace korven::test {

// The production port and time base on COM 1, which `device` stands for.
struct RealLine {
    explicit RealLine(const QString& device) {
        qputenv("KORVEN_COM1", device.toLocal8Bit());
        configurePort(port, PortSettings{0, 2});
    }

    QtSerialPort port;
    QtTicks ticks;
    ScriptedPrompter prompter;
    ProgressLabels labels;
    PromptingReporter reporter{prompter, labels};
    LoggerLink link{port, ticks, reporter};
};

} // namespace korven::test
