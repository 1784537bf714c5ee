#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace korven {

namespace {

const QString kPartialSuffix = QStringLiteral(".korven-part");

// Asks the operating system to put the bytes on the disk now: a file system
// that reserves space lazily reports a full disk only here.
bool syncToDisk(QFile& file) {
#if defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true;
#endif
}

FileStatus failWrite(QFile& partial, const QString& path, const QString& why) {
    partial.close();
    QFile::remove(partial.fileName());
    return FileStatus::failureOn(path, why);
}

bool nameTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Copies what `path` holds from `offset` on to the end of `to`, a piece at a
// time: a huge (or sparse) old file never sits in memory whole.
bool copyTail(const QString& path, qint64 offset, QFile& to) {
    constexpr qint64 kPiece = 1 << 20;
    QFile from(path);
    if (!from.exists())
        return true;
    if (!from.open(QIODevice::ReadOnly) || !from.seek(offset))
        return from.size() <= offset;
    while (!from.atEnd()) {
        const QByteArray piece = from.read(kPiece);
        if (piece.isEmpty() || to.write(piece) != piece.size())
            return false;
    }
    return true;
}

} // namespace

QString partialFilePath(const QString& path) {
    return path + kPartialSuffix;
}

FileStatus checkRegularOrMissing(const QString& path) {
    const QFileInfo info(path);
    if (!nameTaken(path))
        return {};
    if (info.isDir())
        return FileStatus::failure(QStringLiteral("%1 is a folder, not a file").arg(path));
    if (!info.isFile())
        return FileStatus::failure(QStringLiteral("%1 is not a regular file").arg(path));
    return {};
}

FileStatus checkWritable(const QString& path) {
    if (path.isEmpty())
        return FileStatus::failure(QStringLiteral("no file name"));
    if (FileStatus regular = checkRegularOrMissing(path); !regular)
        return regular;
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return FileStatus::failureOn(path, QStringLiteral("its folder does not exist"));
    // The file is replaced through a side file in its folder, so the folder
    // must take new files even when the file itself may be written.
    if (!folder.isWritable())
        return FileStatus::failureOn(path, QStringLiteral("its folder cannot be written"));
    if (info.exists() && !info.isWritable())
        return FileStatus::failureOn(path, QStringLiteral("the file is read-only"));
    if (nameTaken(partialFilePath(path)))
        return FileStatus::failureOn(
            path, QStringLiteral("%1 is in the way of its new copy; it is not this program's to "
                                 "remove")
                      .arg(partialFilePath(path)));
    return {};
}

namespace {

// The side file of `path`, created here and only here, filled by `write`,
// flushed and synced; removed again when any of it fails.
FileStatus writeSideFileFrom(const QString& path,
                             const std::function<QString(QIODevice& file)>& write) {
    QFile partial(partialFilePath(path));
    // Created here or not at all: an existing name, even a link or a FIFO,
    // fails the open at once instead of being followed or waited on.
    if (!partial.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return FileStatus::failureOn(
            path, nameTaken(partial.fileName())
                      ? QStringLiteral("%1 is in the way of its new copy; it is not this "
                                       "program's to remove")
                            .arg(partial.fileName())
                      : partial.errorString());
    // The new file keeps who may read and write the old one.
    const QFileInfo target(path);
    if (target.exists())
        partial.setPermissions(target.permissions());
    // A write into the buffer can succeed while the disk is full: only the
    // flush, the sync and the close tell.
    if (const QString why = write(partial); !why.isEmpty())
        return failWrite(partial, path, why);
    if (!partial.flush())
        return failWrite(partial, path, partial.errorString());
    if (!syncToDisk(partial))
        return failWrite(partial, path, QStringLiteral("the data did not reach the disk"));
    partial.close();
    if (partial.error() != QFileDevice::NoError)
        return failWrite(partial, path, partial.errorString());
    return {};
}

std::function<QString(QIODevice& file)>
contentWriter(const QString& path, const QByteArray& content, qint64 keepTailFrom) {
    return [&path, &content, keepTailFrom](QIODevice& file) {
        if (file.write(content) != content.size())
            return file.errorString();
        auto& partial = static_cast<QFile&>(file);
        if (keepTailFrom >= 0 && !copyTail(path, keepTailFrom, partial))
            return partial.errorString().isEmpty()
                       ? QStringLiteral("the old file could not be read")
                       : partial.errorString();
        return QString();
    };
}

} // namespace

FileStatus writeSideFile(const QString& path, const QByteArray& content, qint64 keepTailFrom) {
    return writeSideFileFrom(path, contentWriter(path, content, keepTailFrom));
}

FileStatus renameSideFile(const QString& path) {
    std::error_code error;
    std::filesystem::rename(partialFilePath(path).toStdU16String(), path.toStdU16String(), error);
    if (error)
        return FileStatus::failureOn(path, QString::fromStdString(error.message()));
    return {};
}

FileStatus writeWholeFile(const QString& path, const QByteArray& content, qint64 keepTailFrom) {
    return writeWholeFileFrom(path, contentWriter(path, content, keepTailFrom));
}

FileStatus writeWholeFileFrom(const QString& path,
                              const std::function<QString(QIODevice& file)>& write) {
    if (path.isEmpty())
        return FileStatus::failure(QStringLiteral("no file name"));
    if (FileStatus regular = checkRegularOrMissing(path); !regular)
        return regular;
    const QFileInfo target(path);
    if (target.exists() && !target.isWritable())
        return FileStatus::failureOn(path, QStringLiteral("the file is read-only"));
    if (FileStatus written = writeSideFileFrom(path, write); !written)
        return written;
    if (FileStatus renamed = renameSideFile(path); !renamed) {
        QFile::remove(partialFilePath(path));
        return renamed;
    }
    return {};
}

} // namespace korven
