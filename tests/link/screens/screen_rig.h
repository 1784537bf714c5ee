#pragma once

#include "logger_setup/logger_setup_layouts.h"
#include "support/session_rig.h"

#include <QRadioButton>

namespace korven::test {

// A session whose logger set-up restarts acquisition.
struct ScreenRig : SessionRig {
    explicit ScreenRig(sim::LoggerConfig config = {}) : SessionRig(config) {
        QByteArray par(LoggerParLayout::recordLength, '0');
        par[LoggerParLayout::acquisitionFlag.offset] = '1';
        folder.write("logger.par", par);
    }

    // The chosen option of a group is captioned in red, the others in black.
    static QColor captionColour(QWidget& screen, const char* option) {
        return child(screen, option)->palette().color(QPalette::WindowText);
    }
    static void choose(QWidget& screen, const char* option) {
        QTest::mouseClick(child<QRadioButton>(screen, option), Qt::LeftButton);
    }
    static bool chosen(QWidget& screen, const char* option) {
        return child<QRadioButton>(screen, option)->isChecked() &&
               captionColour(screen, option) == Qt::red;
    }
};

} // namespace korven::test
