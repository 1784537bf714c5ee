#pragma once

#include "platform/file_status.h"

#include <QLockFile>
#include <QString>

namespace korven {

// A lock file that one process at a time holds, from take() until the object
// goes. A lock left by a process that was killed is taken over.
class ProcessLock {
public:
    explicit ProcessLock(const QString& path);
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    // Takes the lock at once or fails, naming the process that holds it.
    FileStatus take();

private:
    QLockFile lock_;
};

} // namespace korven
