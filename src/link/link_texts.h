#pragma once

#include "link/link_reporter.h"
#include "platform/serial_port.h"

#include <QString>

namespace korven::link_texts {

// Messages the link shows; the screens that talk to a logger share them.
inline const QString notConnected = QStringLiteral("ATTENZIONE! KORVEN NON COLLEGATA.");
inline const QString transmissionError = QStringLiteral("Attention! Trasmission error. Try again.");
inline const QString invalidPort = QStringLiteral("Porta seriale non valida");
inline const QString portConflict =
    QStringLiteral("Errore seriale nr. %1\rControllare eventuali conflitti sulla porta");
inline const QString invalidValue = QStringLiteral("ATTENZIONE valore non valido");
inline const QString resumeFailed =
    QStringLiteral("ATTENZIONE: Errore durante la rimessa in scansione");
inline const QString resumeRefused =
    QStringLiteral("ATTENTIONE: Errore durante la rimessa in scansione. CONTROLLARE KORVEN");
inline const QString resumeDone = QStringLiteral("Procedura terminata con successo");
inline const QString resumeUnknownScan =
    QStringLiteral("ATTENZIONE: impostazioni di scansione non leggibili (file .par)\r"
                   "KORVEN lasciato fermo, NON in scansione");
inline const QString failedLinkStatus = QStringLiteral("   ");

// Progress texts of the transmission, under the "KORVEN nr. 3 on line" line.
inline const QString sendingSetting = QStringLiteral("Channel parameters");
inline const QString askingLastBlock =
    QStringLiteral("ATTENDERE. Richiesta ultimo blocco memorizzato");

// What the user is told of a failure of the line.
inline const QString& failureText(LinkFailure failure) {
    switch (failure) {
    case LinkFailure::NotConnected:
        return notConnected;
    case LinkFailure::TransmissionError:
        return transmissionError;
    case LinkFailure::ResumeNoAnswer:
        return resumeFailed;
    case LinkFailure::ResumeUnknownScan:
        return resumeUnknownScan;
    case LinkFailure::ResumeRefused:
        break;
    }
    return resumeRefused;
}

// What the user is told of a port that would not open: a port that does not
// exist, or one held elsewhere (another program, no permission).
inline QString portErrorText(const PortError& error) {
    return error.code == kInvalidPortNumber ? invalidPort : portConflict.arg(error.code);
}

// "Procedura terminata con successo", then "KORVEN nr. 3 in scansione" on a
// line of its own. A logger that never answered is not called scanning: the
// user learns that it did not answer and that the line was put back into
// scanning all the same.
inline QString scanningResumed(int loggerNumber, ResumedLine line = ResumedLine::Logger) {
    if (line == ResumedLine::WithoutLogger)
        return QStringLiteral("ATTENZIONE: KORVEN nr. %1 non ha risposto\r"
                              "Le KORVEN della linea sono state rimesse in scansione")
            .arg(loggerNumber);
    return resumeDone + QStringLiteral("\rKORVEN nr. %1 in scansione").arg(loggerNumber);
}

} // namespace korven::link_texts
