#pragma once

#include <QString>

namespace korven {

// What a file operation reports: success, or the reason it failed and, when
// known, the file it failed on.
struct FileStatus {
    bool ok = true;
    QString error;
    QString path;

    static FileStatus failure(const QString& why) { return {false, why, {}}; }
    static FileStatus failureOn(const QString& file, const QString& why) {
        return {false, why, file};
    }
    explicit operator bool() const { return ok; }

    // This status, a failure naming `file` as the file it happened on.
    FileStatus on(const QString& file) const { return ok ? *this : failureOn(file, error); }

    // The reason with the file's name in front, for a line of text.
    QString namedError() const {
        return path.isEmpty() ? error : QStringLiteral("%1: %2").arg(path, error);
    }
};

} // namespace korven
