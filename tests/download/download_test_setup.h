#pragma once

#include "logger_setup/logger_setup_layouts.h"

#include <QByteArray>

namespace korven::test {

// The logger set-up of the download tests: digital input 1 on and 2 off,
// acquisition restarted when scanning resumes, channels named "Canale 0" to
// "Canale 7".
inline QByteArray downloadTestPar() {
    QByteArray par(LoggerParLayout::recordLength, ' ');
    par.replace(LoggerParLayout::channelCount.offset, 2, "8 ");
    par[LoggerParLayout::sleepFlag.offset] = '0';
    par[LoggerParLayout::acquisitionFlag.offset] = '1';
    par.replace(LoggerParLayout::digital1Flag.offset, 3, "ON ");
    par.replace(LoggerParLayout::digital2Flag.offset, 3, "OFF");
    return par;
}

inline QByteArray downloadTestChannels() {
    QByteArray channels;
    for (int channel = 0; channel < 8; ++channel)
        channels += QByteArray("Canale " + QByteArray::number(channel))
                        .leftJustified(LoggerChannelLayout::recordLength, ' ');
    return channels;
}

} // namespace korven::test
