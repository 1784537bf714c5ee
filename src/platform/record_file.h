#pragma once

#include "platform/file_commit.h"
#include "platform/file_status.h"
#include "platform/record.h"

#include <QList>
#include <QString>

namespace korven {

// A random-access file of fixed-length records numbered from 1, without header
// or checksum. Every call opens the file, reads or writes, and closes it again.
// Reading opens it for reading only, so a read-only file reads as well as any;
// a name that is not a regular file (a folder, a FIFO) is refused unopened.
//
// The file name is matched without regard to letter case: an existing
// "SET.dir" is the file named by "SET.DIR". A file that does not exist yet is
// created with the spelling given.
class RecordFile {
public:
    RecordFile(const QString& path, int recordLength);

    // The path of the existing file whatever its letter case, else the path given.
    QString path() const;
    bool exists() const;
    int recordLength() const { return recordLength_; }
    int recordCount() const;

    // Reads record n into `record`. A record past the end reads as zero bytes; a
    // missing file is created empty, as opening it for random access does.
    FileStatus read(int n, Record& record) const;
    // As read(), but a missing file is an error and nothing is created.
    FileStatus readExisting(int n, Record& record) const;

    // Writes record n in place, creating the file if needed. A gap before it is
    // filled with zero bytes.
    FileStatus write(int n, const Record& record) const;

    // Writes records first, first + 1, ... in one go: a complete new copy of the
    // file replaces the old one (writeWholeFile), so a failure never leaves a
    // half-written file.
    // Records the file holds beyond the last one written are kept.
    FileStatus writeRecords(int first, const QList<QByteArray>& records) const;
    // What writeRecords() gives the file, for a write that goes together with
    // others (commitFiles()): the file up to the last record written, into
    // `file.content`, with the rest of the old file kept (keepTailFrom) so
    // that a huge file is never read whole.
    FileStatus contentWith(int first, const QList<QByteArray>& records, CommittedFile& file) const;

private:
    QString givenPath_;
    int recordLength_;
};

// The path of an existing file (or folder, link, FIFO...) whose name equals
// `path`'s without regard to letter case; `path` itself when there is none.
// Every lookup of a name the user or a set-up file gives goes through here,
// so that "NOTES.TXT" is found as the "notes.txt" that is there.
QString resolveCaseInsensitive(const QString& path);

} // namespace korven
