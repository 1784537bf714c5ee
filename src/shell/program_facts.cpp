#include "shell/program_facts.h"

namespace korven::program_facts {

QString version() {
    return QStringLiteral("%1.%2").arg(KORVEN_VERSION_MAJOR).arg(KORVEN_VERSION_MINOR);
}

} // namespace korven::program_facts
