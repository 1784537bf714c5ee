#include "shell/manual.h"

#include "session/session.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFileInfo>

namespace korven {

void openManual(Session& session) {
    const QString path = QDir(session.programFolder).filePath(shell_texts::manualFile);
    if (!QFileInfo::exists(path)) {
        session.prompter.message(
            shell_texts::manualMissing.arg(shell_texts::manualFile,
                                           QDir::toNativeSeparators(session.programFolder)),
            MessageIcon::Critical);
        return;
    }
    QString why;
    if (!session.documents.openDocument(path, shell_texts::manualTitle, &why))
        session.prompter.message(shell_texts::manualNotOpened.arg(why), MessageIcon::Critical);
}

} // namespace korven
