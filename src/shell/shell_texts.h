#pragma once

#include <QString>

// Messages of the main window and of the Help menu. A "\r" is a line break in
// the message box.
namespace korven::shell_texts {

inline const QString notInThisRelease =
    QStringLiteral("Procedura non attivata nella presente release");
inline const QString confirmExit = QStringLiteral("Si vuole uscire dal programma? ");

inline const QString manualFile = QStringLiteral("KORVENmanuale_1x.pdf");
inline const QString manualTitle = QStringLiteral("Manuale d'uso KORVEN");
inline const QString manualMissing = QStringLiteral(
    "ATTENZIONE: manuale non trovato.\rCopiare il file %1 nella cartella del programma:\r%2");
inline const QString manualNotOpened =
    QStringLiteral("ATTENZIONE: impossibile aprire il manuale.\r%1\rInstallare un programma di "
                   "lettura dei file PDF.");

} // namespace korven::shell_texts
