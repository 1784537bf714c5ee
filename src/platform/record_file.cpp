#include "platform/record_file.h"

#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korven {

QString resolveCaseInsensitive(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return path;
    const QDir folder = info.dir();
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return path;
}

RecordFile::RecordFile(const QString& path, int recordLength)
    : givenPath_(path), recordLength_(recordLength) {}

QString RecordFile::path() const {
    return resolveCaseInsensitive(givenPath_);
}

bool RecordFile::exists() const {
    return QFileInfo::exists(path());
}

int RecordFile::recordCount() const {
    return static_cast<int>(QFileInfo(path()).size() / recordLength_);
}

namespace {

// Reads record n from an existing file, opened for reading only.
FileStatus readRecord(const QString& path, int n, int recordLength, Record& record) {
    if (FileStatus regular = checkRegularOrMissing(path); !regular)
        return regular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileStatus::failureOn(path, file.errorString());
    file.seek(static_cast<qint64>(n - 1) * recordLength);
    record.setBytes(file.read(recordLength));
    return {};
}

} // namespace

FileStatus RecordFile::read(int n, Record& record) const {
    const QString target = path();
    if (FileStatus regular = checkRegularOrMissing(target); !regular)
        return regular;
    if (!QFileInfo::exists(target)) {
        QFile created(target);
        if (!created.open(QIODevice::WriteOnly))
            return FileStatus::failureOn(target, created.errorString());
    }
    return readRecord(target, n, recordLength_, record);
}

FileStatus RecordFile::readExisting(int n, Record& record) const {
    const QString target = path();
    if (!QFileInfo::exists(target))
        return FileStatus::failure(QStringLiteral("file not found: %1").arg(givenPath_));
    return readRecord(target, n, recordLength_, record);
}

FileStatus RecordFile::write(int n, const Record& record) const {
    const QString target = path();
    if (FileStatus regular = checkRegularOrMissing(target); !regular)
        return regular;
    QFile file(target);
    if (!file.open(QIODevice::ReadWrite))
        return FileStatus::failureOn(target, file.errorString());
    const qint64 offset = static_cast<qint64>(n - 1) * recordLength_;
    if (file.size() < offset && !file.resize(offset))
        return FileStatus::failureOn(target, file.errorString());
    QByteArray bytes = record.bytes().left(recordLength_);
    bytes.append(QByteArray(recordLength_ - bytes.size(), '\0'));
    // The bytes sit in a buffer until the flush: a full disk shows only there.
    if (!file.seek(offset) || file.write(bytes) != bytes.size() || !file.flush())
        return FileStatus::failureOn(target, file.errorString());
    return {};
}

FileStatus RecordFile::writeRecords(int first, const QList<QByteArray>& records) const {
    CommittedFile file;
    if (FileStatus status = contentWith(first, records, file); !status)
        return status;
    return writeWholeFile(file.path, file.content, file.keepTailFrom);
}

FileStatus RecordFile::contentWith(int first, const QList<QByteArray>& records,
                                   CommittedFile& file) const {
    file.path = path();
    if (FileStatus regular = checkRegularOrMissing(file.path); !regular)
        return regular;
    const qint64 start = static_cast<qint64>(first - 1) * recordLength_;
    const qint64 end = start + static_cast<qint64>(records.size()) * recordLength_;
    QByteArray& content = file.content;
    content.clear();
    QFile old(file.path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return FileStatus::failureOn(file.path, old.errorString());
        content = old.read(end);
        file.keepTailFrom = end;
    }
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    for (qsizetype i = 0; i < records.size(); ++i) {
        QByteArray bytes = records[i].left(recordLength_);
        bytes.append(QByteArray(recordLength_ - bytes.size(), '\0'));
        content.replace(start + i * recordLength_, recordLength_, bytes);
    }
    return {};
}

} // namespace korven
