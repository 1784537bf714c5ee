#include "platform/whole_file.h"

#include <QDir>
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

} // namespace

QString partialFilePath(const QString& path) {
    return path + kPartialSuffix;
}

void removeUnfinishedWrites(const QString& folder) {
    const QDir dir(folder);
    const QStringList leftovers =
        dir.entryList({QStringLiteral("*") + kPartialSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers)
        QFile::remove(dir.filePath(name));
}

FileStatus checkRegularOrMissing(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
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
    return {};
}

FileStatus writeWholeFile(const QString& path, const QByteArray& content) {
    return writeWholeFileFrom(path, [&content](QIODevice& file) {
        return file.write(content) == content.size() ? QString() : file.errorString();
    });
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

    QFile partial(partialFilePath(path));
    if (!partial.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return FileStatus::failureOn(path, partial.errorString());
    // The new file keeps who may read and write the old one.
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

    std::error_code error;
    std::filesystem::rename(partial.fileName().toStdU16String(), path.toStdU16String(), error);
    if (error) {
        QFile::remove(partial.fileName());
        return FileStatus::failureOn(path, QString::fromStdString(error.message()));
    }
    return {};
}

} // namespace korven
