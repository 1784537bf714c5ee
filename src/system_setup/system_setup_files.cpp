#include "system_setup/system_setup_files.h"

#include "platform/numeric_text.h"
#include "platform/record_file.h"

namespace korven {
namespace {

QString sideFilePath(const QString& systemFilePath, const char* extension) {
    return resolveCaseInsensitive(
        systemFilePath.chopped(qMin<qsizetype>(4, systemFilePath.size())) +
        QLatin1String(extension));
}

} // namespace

QString identityFilePath(const QString& systemFilePath) {
    return sideFilePath(systemFilePath, ".pas");
}

QString dataDirectoryFilePath(const QString& systemFilePath) {
    return sideFilePath(systemFilePath, ".DIR");
}

QString downloadPointerFilePath(const QString& systemFilePath) {
    return sideFilePath(systemFilePath, ".PUN");
}

QString saveJournalPath(const QString& systemFilePath) {
    return systemFilePath + QStringLiteral(".korven-commit");
}

QString installationLockPath(const QString& systemFilePath) {
    return systemFilePath + QStringLiteral(".korven-lock");
}

int comIndexOf(const Record& identity) {
    return digitValue(identity.text(IdentityLayout::comIndex));
}

int speedIndexOf(const Record& identity) {
    return digitValue(identity.text(IdentityLayout::speedIndex));
}

int loggerCountOf(const Record& identity) {
    return static_cast<int>(leadingNumber(identity.text(IdentityLayout::loggerCount)));
}

QString dataFileNameOf(const Record& dataDirectory) {
    const QString field = dataDirectory.text(DataDirectoryLayout::dataFileName);
    const qsizetype blank = field.indexOf(QLatin1Char(' '));
    return blank < 0 ? field : field.left(blank);
}

} // namespace korven
