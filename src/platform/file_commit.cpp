#include "platform/file_commit.h"

#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace korven {

namespace {

// The journal's first and last lines: a journal without its last line was
// cut while it was written, before any side file was made.
const QByteArray kHeader = "KORVEN commit 1";
const QByteArray kEnd = "end";

bool nameTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

FileStatus writeJournal(const QString& path, const QList<CommittedFile>& files) {
    QByteArray text = kHeader + '\n';
    for (const CommittedFile& file : files) {
        if (file.path.contains(u'\n'))
            return FileStatus::failureOn(file.path, QStringLiteral("a line break in the name"));
        text += file.path.toUtf8() + '\n';
    }
    text += kEnd + '\n';
    QFile journal(path);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return FileStatus::failureOn(path, journal.errorString());
    bool written = journal.write(text) == text.size() && journal.flush();
#if defined(Q_OS_UNIX)
    written = written && ::fsync(journal.handle()) == 0;
#endif
    journal.close();
    if (!written || journal.error() != QFileDevice::NoError) {
        QFile::remove(path);
        return FileStatus::failureOn(path, journal.errorString());
    }
    return {};
}

struct Journal {
    bool complete = false;
    QStringList paths;
};

FileStatus readJournal(const QString& path, Journal& journal) {
    if (FileStatus regular = checkRegularOrMissing(path); !regular)
        return regular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileStatus::failureOn(path, file.errorString());
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    journal.complete = lines.size() >= 2 && lines.first() == kHeader && lines.last() == kEnd;
    if (journal.complete) {
        for (qsizetype i = 1; i + 1 < lines.size(); ++i)
            journal.paths.append(QString::fromUtf8(lines[i]));
    }
    return {};
}

FileStatus removeJournal(const QString& path) {
    if (!QFile::remove(path) && nameTaken(path))
        return FileStatus::failureOn(path, QStringLiteral("the journal cannot be removed"));
    return {};
}

// Removes the side files the journal's commit created; a name it lists that
// is not a regular file was never its own.
FileStatus rollBack(const QString& preparing) {
    Journal journal;
    if (FileStatus read = readJournal(preparing, journal); !read)
        return read;
    for (const QString& path : journal.paths) {
        const QString side = partialFilePath(path);
        if (QFileInfo(side).isFile() && !QFileInfo(side).isSymLink())
            QFile::remove(side);
    }
    return removeJournal(preparing);
}

// Puts every side file still waiting in its place; one already moved is
// gone, and its file holds the new content.
FileStatus rollForward(const QString& committed) {
    Journal journal;
    if (FileStatus read = readJournal(committed, journal); !read)
        return read;
    if (!journal.complete)
        return FileStatus::failureOn(committed, QStringLiteral("the journal is damaged"));
    for (const QString& path : journal.paths) {
        if (!QFileInfo(partialFilePath(path)).isFile())
            continue;
        if (FileStatus renamed = renameSideFile(path); !renamed)
            return renamed;
    }
    return removeJournal(committed);
}

} // namespace

QString preparingJournalPath(const QString& journalPath) {
    return journalPath + QStringLiteral(".prepare");
}

FileStatus finishInterruptedCommit(const QString& journalPath) {
    if (nameTaken(journalPath)) {
        if (FileStatus done = rollForward(journalPath); !done)
            return done;
    }
    if (nameTaken(preparingJournalPath(journalPath)))
        return rollBack(preparingJournalPath(journalPath));
    return {};
}

FileStatus commitFiles(const QString& journalPath, const QList<CommittedFile>& files) {
    const QString preparing = preparingJournalPath(journalPath);
    if (nameTaken(journalPath) || nameTaken(preparing))
        return FileStatus::failureOn(journalPath,
                                     QStringLiteral("an earlier save was cut short and is not "
                                                    "finished yet"));
    for (const CommittedFile& file : files) {
        if (FileStatus writable = checkWritable(file.path); !writable)
            return writable;
    }
    if (FileStatus written = writeJournal(preparing, files); !written)
        return written;

    for (qsizetype i = 0; i < files.size(); ++i) {
        if (FileStatus written =
                writeSideFile(files[i].path, files[i].content, files[i].keepTailFrom);
            !written) {
            for (qsizetype made = 0; made < i; ++made)
                QFile::remove(partialFilePath(files[made].path));
            QFile::remove(preparing);
            return written;
        }
    }

    // The step that decides: from here on the commit is completed, now or by
    // the next start.
    if (!QFile::rename(preparing, journalPath)) {
        const FileStatus failed =
            FileStatus::failureOn(journalPath, QStringLiteral("the journal cannot be renamed"));
        rollBack(preparing);
        return failed;
    }
    return rollForward(journalPath);
}

} // namespace korven
