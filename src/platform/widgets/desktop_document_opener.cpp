#include "platform/widgets/desktop_document_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace korven {
namespace {

// xpdf names its window after the -title option; the common desktop viewers
// pick their own title, so they are reached through the default action.
bool openInTitledViewer(const QString& path, const QString& title) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    Q_UNUSED(title);
    return false;
#else
    const QString xpdf = QStandardPaths::findExecutable(QStringLiteral("xpdf"));
    return !xpdf.isEmpty() &&
           QProcess::startDetached(xpdf, {QStringLiteral("-title"), title, path});
#endif
}

} // namespace

bool DesktopDocumentOpener::openDocument(const QString& path, const QString& title, QString* why) {
    if (openInTitledViewer(path, title))
        return true;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    if (why)
        *why = QStringLiteral("Nessun programma del sistema apre i file PDF.");
    return false;
}

bool DesktopDocumentOpener::openLink(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace korven
