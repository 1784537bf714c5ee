#include "pty/device_link.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace korven::sim {

namespace {

QString systemError(const QString& what) {
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

// Where the link at `path` points; empty when it is no symbolic link.
QByteArray linkTarget(const QByteArray& path) {
    std::array<char, 4096> buffer{};
    const ssize_t length = readlink(path.constData(), buffer.data(), buffer.size());
    return length > 0 ? QByteArray(buffer.data(), length) : QByteArray();
}

} // namespace

std::unique_ptr<DeviceLink> DeviceLink::create(const QString& path, const QString& device,
                                               QString& error) {
    const QByteArray linkPath = QFile::encodeName(path);
    const QByteArray target = QFile::encodeName(device);
    struct stat existing {};
    if (lstat(linkPath.constData(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return nullptr;
    }
    // Made under a private name and renamed over the old one, so a client
    // never finds the name missing or half made.
    const QByteArray scratch = linkPath + ".korven-sim-" + QByteArray::number(getpid());
    ::unlink(scratch.constData());
    if (symlink(target.constData(), scratch.constData()) != 0) {
        error = systemError(QStringLiteral("cannot create %1").arg(path));
        return nullptr;
    }
    if (rename(scratch.constData(), linkPath.constData()) != 0) {
        error = systemError(QStringLiteral("cannot create %1").arg(path));
        ::unlink(scratch.constData());
        return nullptr;
    }
    return std::unique_ptr<DeviceLink>(new DeviceLink(linkPath, target));
}

DeviceLink::DeviceLink(QByteArray path, QByteArray device)
    : path_(std::move(path)), device_(std::move(device)) {}

// Another simulator may have taken the name over meanwhile; its link stays.
DeviceLink::~DeviceLink() {
    if (linkTarget(path_) == device_)
        ::unlink(path_.constData());
}

} // namespace korven::sim
