#pragma once

#include <QString>

// Messages and status texts of the start-up and of the commands that choose
// the set-up files. A "\r" is a line break in the message box.
namespace korven::session_texts {

inline const QString invalidPort = QStringLiteral("PORTA SERIALE NON VALIDA. CONTROLLARE");
inline const QString portConflict =
    QStringLiteral("Errore seriale nr. %1\rControllare eventuali conflitti sulla porta");

inline const QString pathNotFound = QStringLiteral(
    "Attenzione percorso file non trovato\r"
    "Occorre fornire al programma la directory ove sono installati i files di sistema. Per "
    "questo occorre:\r"
    "1. Nel menu 'Files di sistema' attivare SISTEMA e quindi selezionare la directory di "
    "installazione del programma e quindi il file .STP\r"
    "2. Nel menu 'Files di sistema' attivare KORVEN e quindi selezionare la directory di "
    "installazione del programma e quindi il file .TMR");
inline const QString fallbackSystemFile = QStringLiteral("sistema.stp");
inline const QString systemFileMissing =
    QStringLiteral("FILE DI SISTEMA NON CORRETTAMENTE INSERITO");
inline const QString loggerFileMissing = QStringLiteral("FILE KORVEN NON CORRETTAMENTE INSERITO");

// An action that needs the line, refused while another window uses it.
inline const QString lineInUse =
    QStringLiteral("ATTENZIONE: la linea è occupata dalla finestra \"%1\"\r"
                   "Attendere che termini o chiuderla");

inline const QString modemConnectionUp =
    QStringLiteral("Collegamento con modem in corso.\rImpossibile modificare i settaggi");

inline const QString newFileReset =
    QStringLiteral("FILE NUOVO! Il programma eseguirà il RESET del file\r"
                   "Ricordarsi di eseguire il settaggio dei nuovi parametri");

} // namespace korven::session_texts
