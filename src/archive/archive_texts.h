#pragma once

#include <QString>

// The texts of the station archive's screen and buttons.
namespace korven::archive_texts {

inline const QString title = QStringLiteral("Archivio");
inline const QString station = QStringLiteral("Stazione");
inline const QString from = QStringLiteral("Dal");
inline const QString to = QStringLiteral("Al");
inline const QString showButton = QStringLiteral("Mostra");
inline const QString blocksShown = QStringLiteral("%1 blocchi");
inline const QString notAvailable = QStringLiteral("Archivio non disponibile: %1");
inline const QString empty = QStringLiteral("L'archivio non contiene blocchi");
inline const QString archived =
    QStringLiteral("%1 blocchi salvati in archivio (%2 erano già presenti)");
inline const QString notArchived = QStringLiteral("Archivio non scritto: %1");

} // namespace korven::archive_texts
