#include "pty/setup_file.h"

#include "sim/logger_brain.h"
#include "sim/setup_dump.h"

#include <QSaveFile>

namespace korven::sim {

bool SetupFile::update(const LoggerBrain& logger) {
    const qsizetype commands = logger.commands().size();
    if (commands == commandsWritten_)
        return true;
    QSaveFile file(path_);
    const QByteArray dump = setupDump(logger);
    if (!file.open(QIODevice::WriteOnly) || file.write(dump) != dump.size() || !file.flush() ||
        !file.commit())
        return false;
    commandsWritten_ = commands;
    return true;
}

} // namespace korven::sim
