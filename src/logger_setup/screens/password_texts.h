#pragma once

#include <QString>

// Messages of the password screens. A "\r" is a line break in the message box.
namespace korven::password_texts {

inline const QString wrongInPrompt = QStringLiteral("Password non corretta");
inline const QString askSwitchOn = QStringLiteral("Password non attivata. Si vuole attivarla?");
inline const QString askSwitchOff = QStringLiteral("Password attivata. Si vuole disattivarla?");
inline const QString switchedOn = QStringLiteral("Password corretta. La password verrà attivata");
inline const QString switchedOff =
    QStringLiteral("Password corretta. La password verrà disattivata");
inline const QString wrongInSwitch = QStringLiteral("ATTENZIONE: \rPASSWORD NON CORRETTA");
inline const QString wrongOld = QStringLiteral("Password errata");
inline const QString oldFirst = QStringLiteral("Immettere la vecchia password corretta");
inline const QString mismatch = QStringLiteral("Le due password non coincidono");
inline const QString changed = QStringLiteral("Password modificata");

} // namespace korven::password_texts
