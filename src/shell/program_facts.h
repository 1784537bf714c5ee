#pragma once

#include <QString>

// What the program says about itself: on the splash screen and in the About box.
namespace korven::program_facts {

// Major and minor number, as "1.0".
QString version();
inline const QString fileDescription =
    QStringLiteral("KORVEN - configurazione e scarico dati dei logger");

inline const QString maker = QStringLiteral("Progetto KORVEN");
inline const QString purpose = QStringLiteral(
    "Programma libero per impostare e leggere i data logger KORVEN via RS-232 o modem.");
inline const QString mailAddress = QStringLiteral("dev@korven.local");
inline const QString webAddress = QStringLiteral("https://korven.local/");

} // namespace korven::program_facts
