#include "platform/widgets/qt_print_preview.h"
#include "support/pdf_sheet.h"
#include "support/pdf_words.h"
#include "support/scripted_file_chooser.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace korven;
using namespace korven::test;

namespace {

// The preview as the user sees it, once it is up.
void whenPreviewShown(std::function<void(QPrintPreviewDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no print preview up";
        act(*dialog);
    });
}

void clickSavePdf(QPrintPreviewDialog& dialog) {
    auto* save = dialog.findChild<QAction*>(QStringLiteral("savePdf"));
    ASSERT_NE(save, nullptr);
    save->trigger();
}

class QtPrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override { preview_.printer().setPageLayout(PdfSheet::portraitA4()); }

    // Two pages, counted each time they are drawn.
    PageDrawing twoPages() {
        return [this](PrinterCanvas& canvas) {
            ++drawings_;
            printAt(canvas, 200, 300, QStringLiteral("Titolo"));
            canvas.newPage();
            printAt(canvas, 7200, 1000, QStringLiteral("Seconda"));
        };
    }

    TempFolder folder_;
    ScriptedFileChooser files_;
    QtPrintPreview preview_{files_};
    int drawings_ = 0;
};

TEST_F(QtPrintPreviewTest, SavePdfWritesThePagesShownIntoTheFileChosenAsThePrinterLaysThemOut) {
    const QString pdf = folder_.path(QStringLiteral("foglio.pdf"));
    files_.chooseNext(pdf);
    preview_.setOrientation(PageOrientation::Landscape);
    whenPreviewShown(clickSavePdf);

    const PreviewOutcome outcome = preview_.preview(twoPages(), "Foglio prova");
    EXPECT_EQ(outcome.choice, PreviewChoice::SavedAsPdf);
    EXPECT_TRUE(outcome.status.ok) << outcome.status.error.toStdString();
    EXPECT_GE(drawings_, 2) << "drawn for the preview, then for the file";
    ASSERT_EQ(files_.saveRequests().size(), 1);
    EXPECT_EQ(files_.saveRequests()[0].filter, QStringLiteral(" FILE (*.pdf)|*.pdf|"));
    EXPECT_EQ(files_.saveRequests()[0].defaultExtension, QStringLiteral("pdf"));
    EXPECT_EQ(files_.saveRequests()[0].proposedName, "Foglio prova.pdf");
    EXPECT_TRUE(QDir(files_.saveRequests()[0].initialFolder).exists());
    EXPECT_EQ(outcome.file, pdf);
    EXPECT_EQ(preview_.orientation(), PageOrientation::Landscape);
    EXPECT_EQ(preview_.printer().pageLayout().orientation(), QPageLayout::Landscape);

    // The page set-up is the preview printer's own.
    QPrinter* shownFor = nullptr;
    QTimer::singleShot(0, [&shownFor] {
        if (auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget())) {
            shownFor = dialog->printer();
            dialog->reject();
        }
    });
    preview_.showPrinterSetup();
    EXPECT_EQ(shownFor, &preview_.printer());

    if (PdfSheet::popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const PdfText text = readPdfText(pdf);
    EXPECT_EQ(text.pages, 2);
    EXPECT_GT(text.pageWidth, text.pageHeight) << "laid out as for the printer: landscape";
    const PdfWord title = text.find(QStringLiteral("Titolo"));
    EXPECT_NEAR(title.xMin, PdfSheet::onPage(200), 1.5);
    EXPECT_EQ(text.find(QStringLiteral("Seconda"), 2).page, 2);
}

TEST_F(QtPrintPreviewTest, OpensLargeFittedToTheWidthAndACancelledFileNameLeavesItOpen) {
    files_.cancelNext();
    QSize opened;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    bool fitWidthShown = false;
    bool stillShown = false;
    whenPreviewShown([&](QPrintPreviewDialog& dialog) {
        opened = dialog.size();
        zoom = dialog.findChild<QPrintPreviewWidget*>()->zoomMode();
        for (QAction* action : dialog.findChildren<QAction*>())
            fitWidthShown = fitWidthShown || (action->text() == "Fit width" && action->isChecked());
        clickSavePdf(dialog);
        stillShown = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_EQ(preview_.preview(twoPages(), "Foglio prova").choice, PreviewChoice::Closed);
    const QRect room = QApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(opened.width(), room.width() * 3 / 4);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
    EXPECT_TRUE(fitWidthShown) << "the tool bar shows the page fitted to the width";
    EXPECT_TRUE(stillShown);
    EXPECT_GE(drawings_, 1) << "the pages were shown";
    EXPECT_EQ(files_.saveRequests().size(), 1) << "and nothing more asked after the close";
}

} // namespace
