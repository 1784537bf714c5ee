#pragma once

#include "platform/file_status.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace korven {

// One file of a commit: the whole new content of `path`, or with
// `keepTailFrom` set, `content` followed by what the old file holds from that
// offset on (see writeWholeFile()).
struct CommittedFile {
    QString path;
    QByteArray content;
    qint64 keepTailFrom = -1;
};

// Replaces several files as one: when it returns, every file holds its new
// content, or (on a failure) every file is as it was. A process killed at any
// moment in between leaves a journal that finishInterruptedCommit() reads on
// the next start: before the last new copy reached the disk it rolls the
// commit back, after that it completes it.
//
// The journal is named by the caller, in a folder it owns. While the new
// copies are prepared (side files created exclusively, written and synced,
// writeSideFile()) it is "<journal>.prepare" and lists them; once every copy
// is on the disk it is renamed to "<journal>", the one step that decides, and
// the copies are put in place in the order given. A commit refuses to start
// while a journal of an earlier one is there: the files would be computed
// from what that commit has not yet finished.
FileStatus commitFiles(const QString& journalPath, const QList<CommittedFile>& files);

// Completes or rolls back the commit a killed process left at `journalPath`;
// nothing when there is none. Only the side files the journal lists are ever
// removed. A failure leaves the journal for the next attempt.
FileStatus finishInterruptedCommit(const QString& journalPath);

// The journal of a commit that is being prepared.
QString preparingJournalPath(const QString& journalPath);

} // namespace korven
