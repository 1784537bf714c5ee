#pragma once

#include "platform/file_status.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace korven {

// Replaces the file at `path` with `content`, or leaves it exactly as it was.
// The bytes go to a side file next to it first (writeSideFile()); only when
// every byte was written, flushed and synced is the side file put in the
// file's place. A full disk, a file system that refuses the write or a name
// that is not a regular file fails with the reason, and the side file is
// removed again.
// With `keepTailFrom` set, the new file goes on after `content` with what the
// old one holds from that offset on, copied in pieces rather than read whole.
FileStatus writeWholeFile(const QString& path, const QByteArray& content, qint64 keepTailFrom = -1);

// The same for content too large to hold at once: `write` puts it into the
// side file piece by piece and returns why it could not, or an empty text.
FileStatus writeWholeFileFrom(const QString& path,
                              const std::function<QString(QIODevice& file)>& write);

// The side file a new content of `path` is prepared in: "<name>.korven-part".
QString partialFilePath(const QString& path);

// Writes `content` into the side file of `path`, created here and only here:
// a name already there (a file, a link, a FIFO, whoever left it) is never
// written through, and the write fails instead. Flushed and synced to the
// disk; the side file takes the permissions of `path` when it exists. On a
// failure the side file this call created is removed again.
FileStatus writeSideFile(const QString& path, const QByteArray& content, qint64 keepTailFrom = -1);

// Puts the side file of `path` in its place, replacing `path` in one step.
FileStatus renameSideFile(const QString& path);

// Refuses a name that exists but is not a regular file (a folder, a FIFO, a
// device): opening one of those could block or read something else entirely.
// A name that does not exist passes.
FileStatus checkRegularOrMissing(const QString& path);

// Whether a file could be written at `path` now: an existing regular file
// that may be written, or a new name in a folder that may be written, and no
// name in the way of its side file. Nothing is created.
FileStatus checkWritable(const QString& path);

} // namespace korven
