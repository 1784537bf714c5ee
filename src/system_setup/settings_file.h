#pragma once

#include "platform/record_file.h"
#include "system_setup/settings_layout.h"

#include <QString>

namespace korven {

// "config.dat" in the program folder: the last chosen set-up files and the
// password. One record is held in memory for the whole run; every save writes
// that whole record back, so what a save does not change keeps its value.
class Settings {
public:
    explicit Settings(const QString& programFolder);

    QString filePath() const;
    const Record& record() const { return record_; }

    // Reads the record. A missing file reads as zero bytes (no paths, no
    // password, password not active).
    FileStatus load();

    // The system set-up path, trailing blanks removed; a path stored relative
    // to the program folder comes back absolute.
    QString systemFilePath() const;
    QString loggerSetupPath() const;
    QString password() const;
    bool passwordActive() const;
    // False while the password field has never been written.
    bool hasStoredPassword() const;
    bool archivesEveryDownload() const;

    // A path that does not fit its 45-character field is stored relative to
    // the program folder; when that does not fit either, or the path has
    // characters the file cannot hold, nothing is stored and the error says so
    // in words for the user.
    FileStatus saveSystemFilePath(const QString& path);
    FileStatus saveLoggerSetupPath(const QString& basePath);
    FileStatus savePasswordActive(bool active);
    // Stored cut to 20 characters.
    FileStatus savePassword(const QString& password);
    FileStatus saveArchivesEveryDownload(bool archives);

private:
    FileStatus savePath(TextField field, const QString& path);
    QString absolutePath(TextField field) const;
    FileStatus save();

    QString programFolder_;
    Record record_{SettingsLayout::recordLength};
};

} // namespace korven
