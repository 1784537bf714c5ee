#include "system_setup/settings_file.h"

#include "platform/windows1252.h"

#include <QDir>

namespace korven {
namespace {

QString pathTooLongMessage(int width) {
    return QStringLiteral("ATTENZIONE: percorso del file troppo lungo o non valido (al massimo %1 "
                          "caratteri).\rSpostare i file in una cartella con un percorso più breve; "
                          "resta memorizzato il file precedente.")
        .arg(width);
}

bool fitsField(const QString& text, TextField field) {
    return text.size() <= field.size && fromWindows1252(toWindows1252(text)) == text;
}

} // namespace

Settings::Settings(const QString& programFolder) : programFolder_(programFolder) {}

QString Settings::filePath() const {
    return QDir(programFolder_).filePath(QStringLiteral("config.dat"));
}

FileStatus Settings::load() {
    const RecordFile file(filePath(), SettingsLayout::recordLength);
    if (!file.exists()) {
        record_ = Record(SettingsLayout::recordLength);
        return {};
    }
    return file.readExisting(1, record_);
}

QString Settings::absolutePath(TextField field) const {
    const QString stored = record_.trimmedText(field);
    if (stored.isEmpty() || stored.contains(QChar(u'\0')) || QDir::isAbsolutePath(stored))
        return stored;
    return QDir::cleanPath(QDir(programFolder_).filePath(stored));
}

QString Settings::systemFilePath() const {
    return absolutePath(SettingsLayout::systemFilePath);
}
QString Settings::loggerSetupPath() const {
    return absolutePath(SettingsLayout::loggerSetupPath);
}
QString Settings::password() const {
    return record_.trimmedText(SettingsLayout::password);
}
bool Settings::passwordActive() const {
    return record_.integer(SettingsLayout::passwordActive) != 0;
}

bool Settings::hasStoredPassword() const {
    return record_.bytes().at(SettingsLayout::password.offset) != '\0';
}

bool Settings::archivesEveryDownload() const {
    return record_.text(SettingsLayout::archiveEveryDownload) == QStringLiteral("ON ");
}

FileStatus Settings::saveArchivesEveryDownload(bool archives) {
    record_.setText(SettingsLayout::archiveEveryDownload,
                    archives ? QStringLiteral("ON ") : QStringLiteral("OFF"));
    return save();
}

FileStatus Settings::saveSystemFilePath(const QString& path) {
    return savePath(SettingsLayout::systemFilePath, path);
}

FileStatus Settings::saveLoggerSetupPath(const QString& basePath) {
    return savePath(SettingsLayout::loggerSetupPath, basePath);
}

FileStatus Settings::savePasswordActive(bool active) {
    record_.setInteger(SettingsLayout::passwordActive, active ? -1 : 0);
    return save();
}

FileStatus Settings::savePassword(const QString& password) {
    record_.setText(SettingsLayout::password, password);
    return save();
}

FileStatus Settings::savePath(TextField field, const QString& path) {
    QString stored = QDir::toNativeSeparators(path);
    if (!fitsField(stored, field))
        stored = QDir::toNativeSeparators(QDir(programFolder_).relativeFilePath(path));
    if (!fitsField(stored, field))
        return FileStatus::failure(pathTooLongMessage(field.size));
    record_.setText(field, stored);
    return save();
}

FileStatus Settings::save() {
    return RecordFile(filePath(), SettingsLayout::recordLength).write(1, record_);
}

} // namespace korven
