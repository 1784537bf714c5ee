#pragma once

#include "platform/file_chooser.h"

#include <QIdentityProxyModel>
#include <QStringList>

class QWidget;

namespace korven {

// A filter text as the program writes it, " FILE (*.stp)|*.stp|", as the name
// filters of a Qt file dialog: each caption with its patterns.
QStringList nameFiltersOf(const QString& filter);

// The file list of a dialog with its dates in Italian ("07/12/26 15:09"):
// Qt writes them in the system's language, whatever the program's.
class ItalianFileDates : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// The file dialogs on QFileDialog. The open dialog accepts a name that does
// not exist yet when the user agrees to create it.
class DialogFileChooser : public FileChooser {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    std::optional<QString> chooseOpenFile(const OpenFileRequest& request) override;
    std::optional<QString> chooseSaveFile(const SaveFileRequest& request) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace korven
