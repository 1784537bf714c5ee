#include "platform/process_lock.h"

namespace korven {

ProcessLock::ProcessLock(const QString& path) : lock_(path) {
    // Held for as long as a command runs, however long that is: only a
    // holder that is gone makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

FileStatus ProcessLock::take() {
    if (lock_.tryLock(0))
        return {};
    if (lock_.error() != QLockFile::LockFailedError)
        return FileStatus::failureOn(
            lock_.fileName(),
            QStringLiteral("the lock file cannot be created (a full disk, or a folder that "
                           "cannot be written)"));
    const std::optional<LockHolder> holding = holder();
    if (!holding)
        return FileStatus::failureOn(lock_.fileName(), QStringLiteral("held by another process"));
    return FileStatus::failureOn(lock_.fileName(), QStringLiteral("held by %1 (process %2 on %3)")
                                                       .arg(holding->application)
                                                       .arg(holding->process)
                                                       .arg(holding->host));
}

std::optional<LockHolder> ProcessLock::holder() const {
    LockHolder holding;
    if (!lock_.getLockInfo(&holding.process, &holding.host, &holding.application))
        return std::nullopt;
    return holding;
}

} // namespace korven
