#include "system_setup/installation.h"

#include "system_setup/settings_file.h"

#include <QFileInfo>

namespace korven {

namespace {

// A path field never written holds zero bytes, which name no file.
bool namesAFile(const QString& path) {
    return !path.isEmpty() && !path.contains(QChar(0));
}

} // namespace

FileStatus readInstallationSettings(const QString& programFolder, Installation& installation) {
    Settings settings(programFolder);
    if (!QFileInfo::exists(settings.filePath()))
        return FileStatus::failure(settings.filePath() + QStringLiteral(" not found"));
    if (FileStatus status = settings.load(); !status)
        return status;
    installation.systemFilePath = settings.systemFilePath();
    installation.loggerSetupPath = settings.loggerSetupPath();
    if (!namesAFile(installation.systemFilePath) || !namesAFile(installation.loggerSetupPath))
        return FileStatus::failure(QStringLiteral("%1 names no system set-up or no logger set-up")
                                       .arg(settings.filePath()));
    return {};
}

} // namespace korven
