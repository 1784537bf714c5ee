#pragma once

#include "platform/file_status.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace korven {

// Replaces the file at `path` with `content`, or leaves it exactly as it was.
// The bytes go to a side file next to it first ("<name>.korven-part"); only
// when every byte was written, flushed and synced is the side file put in the
// file's place. A full disk, a file system that refuses the write or a name
// that is not a regular file fails with the reason, and the side file is
// removed again.
FileStatus writeWholeFile(const QString& path, const QByteArray& content);

// The same for content too large to hold at once: `write` puts it into the
// side file piece by piece and returns why it could not, or an empty text.
FileStatus writeWholeFileFrom(const QString& path,
                              const std::function<QString(QIODevice& file)>& write);

// The side file writeWholeFile() uses for `path`.
QString partialFilePath(const QString& path);

// Removes the side files a write interrupted by a killed process left in
// `folder`: the next write would replace them anyway, and until then they
// only look like data.
void removeUnfinishedWrites(const QString& folder);

// Refuses a name that exists but is not a regular file (a folder, a FIFO, a
// device): opening one of those could block or read something else entirely.
// A name that does not exist passes.
FileStatus checkRegularOrMissing(const QString& path);

// Whether a file could be written at `path` now: an existing regular file
// that may be written, or a new name in a folder that may be written. Nothing
// is created.
FileStatus checkWritable(const QString& path);

} // namespace korven
