#pragma once

#include <QString>

namespace korven {

class Settings;

// The entry is the stored password, compared exactly: case and blanks count.
bool isStoredPassword(const Settings& settings, const QString& entry);

// The old password "Modifica Password" accepts: the stored one, or, while no
// password has ever been stored, an empty entry, so that the first password
// can be set at all.
bool isAcceptedOldPassword(const Settings& settings, const QString& entry);

} // namespace korven
