#pragma once

// Messages of the password screens. A "\r" is a line break in the message box.
namespace korven::password_texts {

inline constexpr char wrongInPrompt[] = "Password non corretta";
inline constexpr char askSwitchOn[] = "Password non attivata. Si vuole attivarla?";
inline constexpr char askSwitchOff[] = "Password attivata. Si vuole disattivarla?";
inline constexpr char switchedOn[] = "Password corretta. La password verrא attivata";
inline constexpr char switchedOff[] = "Password corretta. La password verrא disattivata";
inline constexpr char wrongInSwitch[] = "ATTENZIONE: \rPASSWORD NON CORRETTA";
inline constexpr char wrongOld[] = "Password errata";
inline constexpr char oldFirst[] = "Immettere la vecchia password corretta";
inline constexpr char mismatch[] = "Le due password non coincidono";
inline constexpr char changed[] = "Password modificata";

} // namespace korven::password_texts
