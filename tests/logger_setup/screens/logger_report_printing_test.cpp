#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/logger_report_printing.h"
#include "support/session_rig.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

class LoggerReportPrinting : public ::testing::Test {
protected:
    LoggerReportPrinting() : rig_(sim::LoggerConfig{}) { writeLoggerSet(rig_.folder, "16"); }

    SessionRig rig_;
    QWidget editor_;
};

TEST_F(LoggerReportPrinting, PrintsTheSessionsLoggerSetUpThroughThePreviewUnderTheHourglass) {
    Qt::CursorShape duringPreview = Qt::ArrowCursor;
    rig_.printer.whileShown = [this, &duringPreview] { duringPreview = editor_.cursor().shape(); };
    EXPECT_TRUE(printLoggerReport(rig_.session, editor_));

    EXPECT_EQ(duringPreview, Qt::WaitCursor);
    EXPECT_EQ(editor_.cursor().shape(), Qt::ArrowCursor);
    const RecordingCanvas& sheet = rig_.printer.printed();
    EXPECT_EQ(sheet.find(QStringLiteral("File: ")).text,
              QStringLiteral("File: ") +
                  QDir::toNativeSeparators(rig_.folder.path(QStringLiteral("logger"))) +
                  QStringLiteral(".Tmr"));
    EXPECT_EQ(sheet.documentsEnded(), 1);
    EXPECT_TRUE(rig_.prompter.prompts().isEmpty());
}

TEST_F(LoggerReportPrinting, AFailedPrintIsToldAndNotDone) {
    rig_.printer.printed().failAtEnd(QStringLiteral("Nessuna stampante installata"));
    EXPECT_FALSE(printLoggerReport(rig_.session, editor_));
    EXPECT_EQ(rig_.prompter.texts(),
              QStringList{"ATTENZIONE: stampa non riuscita.\rNessuna stampante installata"});
    EXPECT_EQ(editor_.cursor().shape(), Qt::ArrowCursor);
}

} // namespace
