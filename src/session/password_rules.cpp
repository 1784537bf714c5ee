#include "session/password_rules.h"

#include "system_setup/settings_file.h"

namespace korven {

bool isStoredPassword(const Settings& settings, const QString& entry) {
    return entry == settings.password();
}

bool isAcceptedOldPassword(const Settings& settings, const QString& entry) {
    if (!settings.hasStoredPassword())
        return entry.isEmpty();
    return isStoredPassword(settings, entry);
}

} // namespace korven
