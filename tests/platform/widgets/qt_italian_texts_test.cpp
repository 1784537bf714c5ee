#include "platform/widgets/qt_italian_texts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace korven;

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
