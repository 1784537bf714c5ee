#include "platform/widgets/dialog_file_chooser.h"
#include "platform/widgets/qt_italian_texts.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace korven;
using korven::test::TempFolder;

TEST(FileDialogFilter, KeepsTheCaptionAndAddsPatternsOnlyWhereMissing) {
    EXPECT_EQ(nameFiltersOf(" FILE (*.stp)|*.stp|"), QStringList{" FILE (*.stp)"});
    EXPECT_EQ(nameFiltersOf("Tabelle|*.txt;*.prn|Tutti|*.*"),
              (QStringList{"Tabelle (*.txt *.prn)", "Tutti (*.*)"}));
    EXPECT_TRUE(nameFiltersOf(QString()).isEmpty());
}

TEST(FileDialogDates, AreWrittenInItalianWhateverTheSystemsLanguage) {
    TempFolder folder;
    folder.write("dati.txt", "1");
    QFile file(folder.path("dati.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(15, 9)),
                                 QFileDevice::FileModificationTime));
    file.close();

    QFileSystemModel files;
    QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
    files.setRootPath(folder.path());
    ASSERT_TRUE(loaded.wait(5000));
    ItalianFileDates dates;
    dates.setSourceModel(&files);
    const QModelIndex entry = dates.mapFromSource(files.index(folder.path("dati.txt"), 3));
    EXPECT_TRUE(entry.data().toString().startsWith("07/12/26"))
        << qPrintable(entry.data().toString());
    EXPECT_TRUE(entry.data().toString().contains("15:09"));
}

// The message boxes' own buttons and the file dialog's texts come from Qt;
// in an Italian program they must not show up in English.
TEST(QtItalianTexts, TurnQtsOwnButtonsAndDialogTextsIntoItalian) {
    const std::unique_ptr<QTranslator> italian = qtItalianTexts();
    ASSERT_TRUE(italian) << "Qt's translations (qt6-translations-l10n) are not installed";
    QCoreApplication::installTranslator(italian.get());

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QString yes = box.button(QMessageBox::Yes)->text();
    QString cancel = box.button(QMessageBox::Cancel)->text();
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    // Missing from Qt's own catalogue.
    const QString folder =
        QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms");
    QCoreApplication::removeTranslator(italian.get());

    EXPECT_EQ(yes.remove(u'&'), QStringLiteral("Sì"));
    EXPECT_EQ(cancel.remove(u'&'), "Annulla");
    EXPECT_NE(lookIn, "Look in:");
    EXPECT_EQ(folder, "Cartella");
}
