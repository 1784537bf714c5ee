#pragma once

// Messages and status texts of the main window and of the commands that
// choose the set-up files. A "\r" is a line break in the message box.
namespace korven::shell_texts {

inline constexpr char invalidPort[] = "PORTA SERIALE NON VALIDA. CONTROLLARE";
inline constexpr char portConflict[] =
    "Errore seriale nr. %1\rControllare eventuali conflitti sulla porta";

inline constexpr char pathNotFound[] =
    "Attenzione percorso file non trovato\r"
    "Occorre fornire al programma la directory ove sono installati i files di sistema. Per "
    "questo occorre:\r"
    "1. Nel menu 'Files di sistema' attivare SISTEMA e quindi selezionare la directory di "
    "installazione del programma e quindi il file .STP\r"
    "2. Nel menu 'Files di sistema' attivare KORVEN e quindi selezionare la directory di "
    "installazione del programma e quindi il file .TMR";
inline constexpr char fallbackSystemFile[] = "sistema.stp";
inline constexpr char systemFileMissing[] = "FILE DI SISTEMA NON CORRETTAMENTE INSERITO";
inline constexpr char loggerFileMissing[] = "FILE KORVEN NON CORRETTAMENTE INSERITO";

inline constexpr char modemConnectionUp[] =
    "Collegamento con modem in corso.\rImpossibile modificare i settaggi";
inline constexpr char notInThisRelease[] = "Procedura non attivata nella presente release";
inline constexpr char confirmExit[] = "Si vuole uscire dal programma? ";

inline constexpr char newFileReset[] = "FILE NUOVO! Il programma eseguirא il RESET del file\r"
                                       "Ricordarsi di eseguire il settaggio dei nuovi parametri";
inline constexpr char fileError[] = "ATTENZIONE: errore sul file %1\r%2";

inline constexpr char manualFile[] = "KORVENmanuale_1x.pdf";
inline constexpr char manualTitle[] = "Manuale d'uso KORVEN";
inline constexpr char manualMissing[] =
    "ATTENZIONE: manuale non trovato.\rCopiare il file %1 nella cartella del programma:\r%2";
inline constexpr char manualNotOpened[] =
    "ATTENZIONE: impossibile aprire il manuale.\r%1\rInstallare un programma di lettura dei "
    "file PDF.";

} // namespace korven::shell_texts
