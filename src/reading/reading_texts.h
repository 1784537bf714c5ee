#pragma once

#include <QString>

namespace korven::reading_texts {

// The status lines of the reading screens, as the link's progress shows them.
inline const QString wait = QStringLiteral("ATTENDERE");
inline const QString waitForResponse = QStringLiteral("Wait for response ");
inline const QString waitForDigitalInputs = QStringLiteral("Canale digitale. Attesa risposta ");
inline const QString awaitingCommand = QStringLiteral("Attesa comando");
inline const QString secondStarting = QStringLiteral("Second starting");
inline const QString resumingCommand = QStringLiteral("riprendo il comando");
inline const QString cycle = QStringLiteral("CICLO ");
inline const QString awaitingCommandUpper = QStringLiteral("ATTESA COMANDO");
inline const QString restarting = QStringLiteral("Wait: KORVEN re-starting in course.....");

// "Lettura Canali".
inline const QString allChannelsTitle = QStringLiteral("Lettura Canali");
inline const QString channelName = QStringLiteral("CANALE %1"); // two digits
inline const QString channelOff = QStringLiteral("OFF");
inline const QString digital1 = QStringLiteral("Digit 1");
inline const QString digital2 = QStringLiteral("Digit 2");
inline const QString digitalDisabled = QStringLiteral("DIS.");
inline const QString startButton = QStringLiteral("Start");
inline const QString stopButton = QStringLiteral("Stop");
inline const QString exitButton = QStringLiteral("Exit");

// "REAL TIME READING".
inline const QString oneChannelTitle = QStringLiteral("REAL TIME READING");
inline const QString treatmentFrame = QStringLiteral("Trattamento");
inline const QString treatedYes = QStringLiteral("SI");
inline const QString treatedNo = QStringLiteral("NO");
inline const QString directReading = QStringLiteral("Lettura diretta da KORVEN");
inline const QString treatedReading = QStringLiteral("LETTURA TRATTATA");
inline const QString channelNumber = QStringLiteral("Canale ");
// The trend's value axis for readings as the logger sent them: no unit of the
// system set-up applies to them.
inline const QString directAxis = QStringLiteral("Valore KORVEN");
inline const QString leaveButton = QStringLiteral("Uscita");

} // namespace korven::reading_texts
