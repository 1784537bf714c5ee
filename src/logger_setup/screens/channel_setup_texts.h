#pragma once

#include <QString>

// Texts of the channel editor "KORVEN Setup".
namespace korven::channel_setup_texts {

inline const QString title = QStringLiteral("KORVEN Setup");
// The title once the set is loaded: this text, then the set's base path.
inline const QString titleWithFile = QStringLiteral("SET-UP KORVEN. File configurazione: ");
inline const QString inputsFrame = QStringLiteral("Ingressi");
inline const QString digital1 = QStringLiteral("Digitale 1");
inline const QString digital2 = QStringLiteral("Digitale 2");
inline const QString channelCount = QStringLiteral("Numero canali");
inline const QString fourChannels = QStringLiteral("4 Canali");
inline const QString eightChannels = QStringLiteral("8 Canali");

inline const QString saveButton = QStringLiteral("Salva");
inline const QString printButton = QStringLiteral("Stampa");
inline const QString sendButton = QStringLiteral("Invio");
inline const QString exitButton = QStringLiteral("Uscita");

} // namespace korven::channel_setup_texts
