#include "fuzz_input.h"

#include "platform/record_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace korven;
using korven::fuzz::FuzzInput;
using korven::fuzz::require;

namespace {

// What a file of fixed-length records holds once `record` is written as
// record n: a gap before it filled with zero bytes, a short record completed
// with them, a long one cut.
QByteArray withRecord(QByteArray content, int n, int length, const QByteArray& record) {
    QByteArray bytes = record.left(length);
    bytes.append(QByteArray(length - bytes.size(), '\0'));
    const qsizetype at = static_cast<qsizetype>(n - 1) * length;
    if (content.size() < at + length)
        content.append(QByteArray(at + length - content.size(), '\0'));
    content.replace(at, length, bytes);
    return content;
}

// Record n as a read gives it: zero bytes past the end of the file.
QByteArray recordAt(const QByteArray& content, int n, int length) {
    return withRecord({}, 1, length, content.mid(static_cast<qsizetype>(n - 1) * length, length));
}

class Folder {
public:
    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    QStringList entries() const { return QDir(dir_.path()).entryList(QDir::Files); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                "the fuzz folder takes the file");
    }
    void empty() const {
        for (const QString& entry : entries())
            QFile::remove(path(entry));
    }

private:
    QTemporaryDir dir_;
};

// The file keeps the spelling it was created with, whatever spelling a
// later call asks for.
void checkContent(const Folder& folder, const QString& name, const QByteArray& expected,
                  const char* afterWhat) {
    require(folder.entries() == QStringList{name}, "one file, under its own spelling");
    require(folder.read(name) == expected, afterWhat);
}

} // namespace

// The input: the record length, whether the file exists and under which
// spelling it is asked for, the record numbers, the file's bytes, and the
// records written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    folder.empty();
    FuzzInput input(data, size);
    const int length = input.byte() + 1;
    const quint8 shape = input.byte();
    const int n = input.byte() % 24 + 1;
    const int first = input.byte() % 24 + 1;
    const int count = input.byte() % 4 + 1;
    const bool existing = shape & 1;
    QByteArray content = existing ? input.bytes(input.byte() * 2) : QByteArray();
    const QString created = QStringLiteral("Plant.Dir");
    const QString asked = shape & 2 ? QStringLiteral("PLANT.dir") : created;
    const QString onDisk = existing ? created : asked;
    if (existing)
        folder.write(created, content);

    const RecordFile file(folder.path(asked), length);
    require(file.exists() == existing, "the file is found whatever its letter case");
    require(file.recordCount() == content.size() / length, "whole records are counted");

    Record record(length);
    const bool found = static_cast<bool>(file.readExisting(n, record));
    require(found == existing, "only an existing file reads");
    if (existing)
        require(record.bytes() == recordAt(content, n, length), "readExisting gives the record");
    else
        require(folder.entries().isEmpty(), "readExisting creates nothing");

    require(static_cast<bool>(file.read(n, record)), "read creates a missing file");
    require(record.bytes() == recordAt(content, n, length), "read gives the record");
    checkContent(folder, onDisk, content, "a read changes nothing");

    record.setBytes(input.bytes(length));
    require(static_cast<bool>(file.write(n, record)), "a record is written in place");
    content = withRecord(content, n, length, record.bytes());
    checkContent(folder, onDisk, content, "write puts the record in place");

    QList<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        records.append(input.bytes(input.byte() % (2 * length + 1)));
        content = withRecord(content, first + i, length, records.last());
    }
    require(static_cast<bool>(file.writeRecords(first, records)), "records are written in one go");
    checkContent(folder, onDisk, content,
                 "writeRecords puts every record in place and keeps the rest");
    return 0;
}
