#pragma once

#include "logger_setup/logger_setup_layouts.h"
#include "support/session_rig.h"

namespace korven::test {

// A session whose logger set-up restarts acquisition.
struct ScreenRig : SessionRig {
    explicit ScreenRig(sim::LoggerConfig config = {}) : SessionRig(config) {
        QByteArray par(LoggerParLayout::recordLength, '0');
        par[LoggerParLayout::acquisitionFlag.offset] = '1';
        folder.write("logger.par", par);
    }
};

} // namespace korven::test
