#pragma once

#include "platform/record.h"
#include "system_setup/side_file_layouts.h"
#include "system_setup/system_channel_layout.h"

#include <QString>

namespace korven {

// The shared in-memory records of the system set-up and its side files.
struct SystemSetupRecords {
    Record channel{SystemChannelLayout::recordLength};
    Record identity{IdentityLayout::recordLength};
    Record dataDirectory{DataDirectoryLayout::recordLength};
    Record downloadPointer{DownloadPointerLayout::recordLength};
};

// The side files are named by the system set-up path without its last four
// characters (normally ".stp") plus their own extension. An existing file is
// found whatever the letter case of its name.
QString identityFilePath(const QString& systemFilePath);        // ".pas"
QString dataDirectoryFilePath(const QString& systemFilePath);   // ".DIR"
QString downloadPointerFilePath(const QString& systemFilePath); // ".PUN"

// Where a save that moves the download pointer records what it is committing
// (commitFiles()), next to the system set-up: every start that may touch the
// installation's files finishes an interrupted one first.
QString saveJournalPath(const QString& systemFilePath);
// The lock a command holds while it may move the download pointer or write
// the installation's files, so that two never save the same blocks.
QString installationLockPath(const QString& systemFilePath);

// The COM index (0-3) and speed index (0-2) stored in the identity record.
int comIndexOf(const Record& identity);
int speedIndexOf(const Record& identity);
// "Nr. Logger": the number of loggers of the installation.
int loggerCountOf(const Record& identity);

// The data file name of the data-directory record, cut at its first blank.
QString dataFileNameOf(const Record& dataDirectory);

} // namespace korven
