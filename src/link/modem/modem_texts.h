#pragma once

#include "link/link_texts.h"
#include "platform/serial_port.h"

#include <QString>

// The texts of the modem connection. A "\r" is a line break.
namespace korven::modem_texts {

inline const QString talking = QStringLiteral("Colloquio con il modem in corso.");
inline const QString stopping = QStringLiteral("Attendere:\rDisconnessione in corso");
inline const QString waitTitle = QStringLiteral("PREGO ATTENDERE");

inline const QString disconnect = QStringLiteral("IL MODEM VERRA' DISCONNESSO. PROSEGUIRE?");
inline const QString hangUpAfterFailure = QStringLiteral("Vuoi disattivare il modem? ");

inline const QString remoteNotReady = QStringLiteral("Modem REMOTO non pronto.");
inline const QString loggerNotConnected = QStringLiteral("KORVEN non collegata");
inline const QString modemSilent = QStringLiteral("Modem non collegato. Controllare");
inline const QString helpOnLine = QStringLiteral("Attivare l'HELP ON LINE se previsto");
inline const QString hungUp =
    QStringLiteral("Modem correttamente disconnesso.\r\rPremere OK per continuare");
inline const QString hangUpFailed =
    QStringLiteral("Attenzione. Errore durante lo spegnimento del modem. Controllare");

// The menu item and the status bar while the connection is up, and after.
inline const QString connectedCaption = QStringLiteral("    Disattiva modem   ");
inline const QString disconnectedCaption = QStringLiteral("   Attiva modem   ");
inline const QString connectionUp = QStringLiteral("CONNESSIONE IN CORSO");

// The status text growing while the modem is set up: "-->" at step 0, then
// two more dashes at each step up to "---------->".
inline QString talkingStep(int step) {
    return talking + QString(2 + 2 * step, u'-') + u'>';
}

// "Chiamata in corso", the seconds gone since the number was dialled.
inline QString calling(int seconds) {
    return QStringLiteral("Chiamata in corso\rTempo trascorso: \r%1 secondi.").arg(seconds);
}

// Asked before the number is dialled; `number` is the field up to one past
// its first blank.
inline QString dial(const QString& number) {
    return QStringLiteral("Il modem comporrà il numero ") + number +
           QStringLiteral("\rProseguire?");
}

// Any error but a missing port, or a set-up file that cannot be read.
inline QString errorOccurred(const QString& error) {
    return QStringLiteral("ATTENZIONE: Si è verificato l'errore: ") + error;
}

// A port that would not open: missing, or any other error by its number.
inline QString portError(const PortError& error) {
    return error.code == kInvalidPortNumber ? link_texts::invalidPort
                                            : errorOccurred(QString::number(error.code));
}

} // namespace korven::modem_texts
