#include "platform/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korven {

QString resolveCaseInsensitive(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.dir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return path;
}

RecordFile::RecordFile(const QString& path, int recordLength)
    : givenPath_(path), recordLength_(recordLength) {}

QString RecordFile::path() const { return resolveCaseInsensitive(givenPath_); }

bool RecordFile::exists() const { return QFileInfo::exists(path()); }

int RecordFile::recordCount() const {
    return static_cast<int>(QFileInfo(path()).size() / recordLength_);
}

FileStatus RecordFile::read(int n, Record& record) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadWrite))
        return FileStatus::failure(file.errorString());
    file.seek(static_cast<qint64>(n - 1) * recordLength_);
    record.setBytes(file.read(recordLength_));
    return {};
}

FileStatus RecordFile::readExisting(int n, Record& record) const {
    QFile file(path());
    if (!file.exists())
        return FileStatus::failure(QStringLiteral("file not found: %1").arg(givenPath_));
    if (!file.open(QIODevice::ReadOnly))
        return FileStatus::failure(file.errorString());
    file.seek(static_cast<qint64>(n - 1) * recordLength_);
    record.setBytes(file.read(recordLength_));
    return {};
}

FileStatus RecordFile::write(int n, const Record& record) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadWrite))
        return FileStatus::failure(file.errorString());
    const qint64 offset = static_cast<qint64>(n - 1) * recordLength_;
    if (file.size() < offset && !file.resize(offset))
        return FileStatus::failure(file.errorString());
    QByteArray bytes = record.bytes().left(recordLength_);
    bytes.append(QByteArray(recordLength_ - bytes.size(), '\0'));
    if (!file.seek(offset) || file.write(bytes) != bytes.size())
        return FileStatus::failure(file.errorString());
    return {};
}

FileStatus RecordFile::writeRecords(int first, const QList<QByteArray>& records) const {
    const QString target = path();
    QByteArray content;
    {
        QFile old(target);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly))
                return FileStatus::failure(old.errorString());
            content = old.readAll();
        }
    }
    const qint64 start = static_cast<qint64>(first - 1) * recordLength_;
    const qint64 end = start + static_cast<qint64>(records.size()) * recordLength_;
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    for (qsizetype i = 0; i < records.size(); ++i) {
        QByteArray bytes = records[i].left(recordLength_);
        bytes.append(QByteArray(recordLength_ - bytes.size(), '\0'));
        content.replace(start + i * recordLength_, recordLength_, bytes);
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return FileStatus::failure(file.errorString());
    if (file.write(content) != content.size() || !file.commit())
        return FileStatus::failure(file.errorString());
    return {};
}

} // namespace korven
