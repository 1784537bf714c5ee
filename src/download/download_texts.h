#pragma once

// Captions and messages of the download screens. A "\r" is a line break in a
// message box. The texts are UTF-8: "ט" stands where Italian writes "è".
namespace korven::download_texts {

inline constexpr char viewerTitle[] = "Blocco Finale";
inline constexpr char automaticTitle[] = "Scarico Automatico";

inline constexpr char wakingLogger[] = "ATTENDERE. Accensione KORVEN";
inline constexpr char askingLastBlock[] = "ATTENDERE. Richiesta ultimo blocco memorizzato";
inline constexpr char lastStoredBlock[] = "Ultimo blocco memorizzato: ";
inline constexpr char blocksToFetch[] = "Verranno scaricati %1 blocchi";
inline constexpr char pointerBeyondLogger[] =
    "Attenzione l'ultimo blocco memorizzato ט minore dell'ultimo scarico dati";

inline constexpr char dataSaved[] = "Dati salvati correttamente nel file ";
inline constexpr char confirmExit[] = "Confermi l'uscita?";
inline constexpr char fileNameNotValid[] = "File name not valid";
inline constexpr char tableNotWritten[] = "ATTENZIONE: impossibile scrivere il file %1\r%2";
inline constexpr char pointerUnchanged[] = "\rIl puntatore dell'ultimo scarico resta invariato";
inline constexpr char sideFileNotWritten[] = "ATTENZIONE: impossibile aggiornare il file %1\r%2";

inline constexpr char dataFrame[] = "Dati";
inline constexpr char startBlock[] = "Start Block";
inline constexpr char endBlock[] = "End Block";
inline constexpr char startButton[] = "Start";
inline constexpr char saveFrame[] = "Salva su File";
inline constexpr char saveButton[] = "Salva";
inline constexpr char clearButton[] = "Cancella i dati";
inline constexpr char exitButton[] = "Uscita";
inline constexpr char leaveButton[] = "Uscire";

inline constexpr char saveFilter[] = " FILE (*.txt)|*.txt|";
inline constexpr char saveExtension[] = "txt";

} // namespace korven::download_texts
