#pragma once

#include <QString>

// Captions and messages of the download screens. A "\r" is a line break in a
// message box.
namespace korven::download_texts {

inline const QString viewerTitle = QStringLiteral("Blocco Finale");
inline const QString automaticTitle = QStringLiteral("Scarico Automatico");

inline const QString wakingLogger = QStringLiteral("ATTENDERE. Accensione KORVEN");
inline const QString askingLastBlock =
    QStringLiteral("ATTENDERE. Richiesta ultimo blocco memorizzato");
inline const QString lastStoredBlock = QStringLiteral("Ultimo blocco memorizzato: ");
inline const QString blocksToFetch = QStringLiteral("Verranno scaricati %1 blocchi");
inline const QString pointerBeyondLogger =
    QStringLiteral("Attenzione l'ultimo blocco memorizzato è minore dell'ultimo scarico dati");
inline const QString offerFromStart =
    QStringLiteral("\rLa memoria del KORVEN è stata azzerata o il KORVEN è stato "
                   "sostituito.\rScaricare i dati dal blocco 0?");
inline const QString noBlocksStored = QStringLiteral("Nessun blocco memorizzato nel KORVEN");
inline const QString rangeNotHeld =
    QStringLiteral("Attenzione: il KORVEN contiene solo i blocchi da %1 a %2.\rI blocchi fuori "
                   "da questo intervallo non sono dati validi.\rProseguire?");
inline const QString blocksOverwritten =
    QStringLiteral("%1 blocchi precedenti sono stati sovrascritti nel KORVEN e non verranno "
                   "scaricati");

// Another download (korvenctl, or the program on another computer) has the
// installation: its pointer must not move under it.
inline const QString installationInUse =
    QStringLiteral("ATTENZIONE: l'installazione è in uso da %1\rRiprovare al termine dello "
                   "scarico in corso");
inline const QString lockHolder = QStringLiteral("%1 (processo %2 sul computer %3)");

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
inline const QString blocksSaved = QStringLiteral("%1 blocchi salvati nel file %2");
inline const QString nothingToSave = QStringLiteral("Nessun blocco da salvare");
inline const QString clearQuestion = QStringLiteral("Cancellare i dati scaricati?");
inline const QString offerToSave =
    QStringLiteral("Salvare i %1 blocchi scaricati prima di uscire?");

inline const QString exportCsvButton = QStringLiteral("Esporta CSV");
inline const QString saveToArchiveButton = QStringLiteral("Salva in archivio");
inline const QString csvFilter = QStringLiteral(" FILE (*.csv)|*.csv|");
inline const QString csvExtension = QStringLiteral("csv");
inline const QString csvExported = QStringLiteral("%1 blocchi esportati nel file %2");
inline const QString nothingToExport = QStringLiteral("Nessun blocco scaricato");
inline const QString csvBlock = QStringLiteral("BLOCK");
inline const QString csvMoment = QStringLiteral("DATE TIME");
inline const QString csvDigital1 = QStringLiteral("digit 1");
inline const QString csvDigital2 = QStringLiteral("digit 2");
// A channel without a description goes by its number.
inline const QString unnamedChannel = QStringLiteral("Canale %1");
// A channel's description and its unit.
inline const QString channelWithUnit = QStringLiteral("%1 (%2)");

inline const QString chartButton = QStringLiteral("Grafico");
inline const QString chartTitle = QStringLiteral("Grafico");
inline const QString chartTimeAxis = QStringLiteral("Data e ora");

} // namespace korven::download_texts
