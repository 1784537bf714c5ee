#pragma once

#include "archive/archive_store.h"
#include "korvenctl/command_line.h"

#include <memory>

namespace korven {

// korvenctl archive: the station archive's import, export, gaps and stations.
KorvenctlCommand archiveCommand();

// The archive a download's saved blocks also go to (download --archive):
// opened, and its schema checked, before the logger is woken.
struct DownloadArchive {
    std::unique_ptr<ArchiveStore> store;
    QString station;
};
// `dest` empty for the default file; `station` empty for the installation's.
// False after telling why it cannot be used.
bool openDownloadArchive(const CommandContext& context, const QString& dest, const QString& station,
                         DownloadArchive& archive);

// --archive may stand without DEST in a download: the default archive. The
// arguments with such a bare --archive given an empty value.
QStringList withBareArchiveOption(const QStringList& arguments);

} // namespace korven
