#pragma once

#include <QString>

namespace korven::sim {

class LoggerBrain;

// A file kept up to date with what the logger holds (its set-up, clock and
// memory), rewritten whole after every command the logger ran, so that a
// reader never meets it half written.
class SetupFile {
public:
    explicit SetupFile(QString path) : path_(std::move(path)) {}

    // Writes the file when the logger has run a command since the last
    // write, or on the first call. False when it could not be written.
    bool update(const LoggerBrain& logger);

private:
    QString path_;
    qsizetype commandsWritten_ = -1;
};

} // namespace korven::sim
