#include "shell/file_failure.h"

#include "platform/prompter.h"
#include "shell/shell_texts.h"

#include <QDir>

namespace korven {

bool reportFileFailure(Prompter& prompter, const QString& path, const FileStatus& status) {
    if (status)
        return false;
    prompter.message(
        QString::fromUtf8(shell_texts::fileError).arg(QDir::toNativeSeparators(path), status.error),
        MessageIcon::Critical);
    return true;
}

} // namespace korven
