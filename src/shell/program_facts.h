#pragma once

#include <QString>

// What the program says about itself: on the splash screen and in the About box.
namespace korven::program_facts {

// Major and minor number, as "1.0".
QString version();
inline constexpr char fileDescription[] = "KORVEN - configurazione e scarico dati dei logger";

inline constexpr char maker[] = "Progetto KORVEN";
inline constexpr char purpose[] =
    "Programma libero per impostare e leggere i data logger KORVEN via RS-232 o modem.";
inline constexpr char mailAddress[] = "dev@korven.local";
inline constexpr char webAddress[] = "https://korven.local/";

} // namespace korven::program_facts
