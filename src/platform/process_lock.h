#pragma once

#include "platform/file_status.h"

#include <QLockFile>
#include <QString>

#include <optional>

namespace korven {

// Who holds a lock: the program, its process and the computer it runs on.
struct LockHolder {
    QString application;
    qint64 process = 0;
    QString host;
};

// A lock file that one process at a time holds, from take() until the object
// goes. A lock left by a process that was killed is taken over.
class ProcessLock {
public:
    explicit ProcessLock(const QString& path);
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    // Takes the lock at once or fails, naming the process that holds it.
    FileStatus take();
    // Who holds the lock, as its file tells; nothing when it cannot be read.
    std::optional<LockHolder> holder() const;

private:
    QLockFile lock_;
};

} // namespace korven
