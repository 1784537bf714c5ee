#include "platform/widgets/dialog_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>
#include <QMessageBox>

namespace korven {

namespace {

// The column of the file list that holds when a file was last changed.
constexpr int kModifiedColumn = 3;

// Every dialog shows its dates in Italian.
void showItalianDates(QFileDialog& dialog) {
    dialog.setProxyModel(new ItalianFileDates(&dialog));
}

} // namespace

QVariant ItalianFileDates::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files && role == Qt::DisplayRole && index.column() == kModifiedColumn)
        return QLocale(QLocale::Italian, QLocale::Italy)
            .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
}

QStringList nameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString caption = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of the caption.
        filters.append(caption.endsWith(QStringLiteral("(%1)").arg(patterns))
                           ? caption
                           : QStringLiteral("%1 (%2)").arg(caption, patterns));
    }
    return filters;
}

std::optional<QString> DialogFileChooser::chooseOpenFile(const OpenFileRequest& request) {
    QFileDialog dialog(parent_, QStringLiteral("Apri"), request.initialFolder);
    showItalianDates(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.promptToCreate ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFiltersOf(request.filter));
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        if (path.isEmpty())
            continue;
        if (QFileInfo::exists(path))
            return path;
        const auto answer = QMessageBox::question(
            &dialog, dialog.windowTitle(),
            QStringLiteral("Il file %1 non esiste.\nCrearlo?").arg(QFileInfo(path).fileName()));
        if (answer == QMessageBox::Yes)
            return path;
    }
    return std::nullopt;
}

std::optional<QString> DialogFileChooser::chooseSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(parent_, QStringLiteral("Salva con nome"), request.initialFolder);
    showItalianDates(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.filter.isEmpty())
        dialog.setNameFilters(nameFiltersOf(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

} // namespace korven
