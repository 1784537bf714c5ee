#pragma once

#include <QString>

// Messages of the general parameters and of the scan settings. A "\r" is a
// line break in the message box.
namespace korven::logger_settings_texts {

inline const QString invalidField = QStringLiteral("ATTENZIONE, valore non valido");
inline const QString invalidDate = QStringLiteral("ATTENZIONE: Valore di data non valido");
inline const QString clockWillChange = QStringLiteral("Verrà modificata la data della KORVEN");
inline const QString newClockIs = QStringLiteral("La nuova data sarà:");
inline const QString goOn = QStringLiteral("Proseguire?");
inline const QString memoryWillBeEmptied =
    QStringLiteral("Attenzione: La memoria verra' azzerata\rProseguire?");
inline const QString saveBeforeSending =
    QStringLiteral("Prima di inviare i comandi è necessario\rsalvare i dati modificati con il "
                   "comando salva\rCONTINUO?");

} // namespace korven::logger_settings_texts
