#pragma once

#include <QString>

// Captions and messages of the download screens. A "\r" is a line break in a
// message box. "ט" stands where Italian writes "è".
namespace korven::download_texts {

inline const QString viewerTitle = QStringLiteral("Blocco Finale");
inline const QString automaticTitle = QStringLiteral("Scarico Automatico");

inline const QString wakingLogger = QStringLiteral("ATTENDERE. Accensione KORVEN");
inline const QString askingLastBlock =
    QStringLiteral("ATTENDERE. Richiesta ultimo blocco memorizzato");
inline const QString lastStoredBlock = QStringLiteral("Ultimo blocco memorizzato: ");
inline const QString blocksToFetch = QStringLiteral("Verranno scaricati %1 blocchi");
inline const QString pointerBeyondLogger =
    QStringLiteral("Attenzione l'ultimo blocco memorizzato ט minore dell'ultimo scarico dati");

inline const QString dataSaved = QStringLiteral("Dati salvati correttamente nel file ");
inline const QString confirmExit = QStringLiteral("Confermi l'uscita?");
inline const QString fileNameNotValid = QStringLiteral("File name not valid");
inline const QString tableNotWritten =
    QStringLiteral("ATTENZIONE: impossibile scrivere il file %1\r%2");
inline const QString pointerUnchanged =
    QStringLiteral("\rIl puntatore dell'ultimo scarico resta invariato");
inline const QString sideFileNotWritten =
    QStringLiteral("ATTENZIONE: impossibile aggiornare il file %1\r%2");

inline const QString dataFrame = QStringLiteral("Dati");
inline const QString startBlock = QStringLiteral("Start Block");
inline const QString endBlock = QStringLiteral("End Block");
inline const QString startButton = QStringLiteral("Start");
inline const QString saveFrame = QStringLiteral("Salva su File");
inline const QString saveButton = QStringLiteral("Salva");
inline const QString clearButton = QStringLiteral("Cancella i dati");
inline const QString exitButton = QStringLiteral("Uscita");
inline const QString leaveButton = QStringLiteral("Uscire");

inline const QString saveFilter = QStringLiteral(" FILE (*.txt)|*.txt|");
inline const QString saveExtension = QStringLiteral("txt");

} // namespace korven::download_texts
