#pragma once

#include <QDir>
#include <QString>

namespace korven {

// The message that tells the user a file of the installation could not be
// read or written: the file's name, then the reason.
inline QString fileFailureText(const QString& path, const QString& why) {
    return QStringLiteral("ATTENZIONE: errore sul file %1\r%2")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace korven
