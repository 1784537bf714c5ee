#pragma once

#include <QString>

// Messages of the system set-up editor. A "\r" is a line break in the box.
namespace korven::system_editor_texts {

// Followed by 8 × "Nr. Logger".
inline const QString maxChannels = QStringLiteral("ATTENZIONE: massimi canali collegabili: ");
// %1: the channel copied.
inline const QString copyAllQuestion =
    QStringLiteral("ATTENZIONE: Tutti i parametri dei canali successivi al canale %1\r"
                   "saranno impostati come il canale %1\r"
                   "I canali verranno copiati per multipli di 8\r"
                   "Proseguire?");
// %1: the channel whose record could not be read, so nothing of it is saved.
inline const QString channelNotRead =
    QStringLiteral("ATTENZIONE: il canale %1 non è stato letto dal file.\r"
                   "Nessun dato è stato salvato.");

} // namespace korven::system_editor_texts
