#pragma once

#include "support/recording_canvas.h"
#include "support/scripted_preview.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <utility>

// What the logger's and the system's set-up sheets print alike.
namespace korven::test {

inline PrintedText sheetTitle(const QString& text) {
    return {text, QStringLiteral("Times New Roman"), 12, true, kDarkGreen, 200, 300, 1};
}

inline PrintedText topRight(const QString& text, int page) {
    const int x = RecordingCanvas::kA4Width - RecordingCanvas::widthOf(text, 9) - 50;
    return {text, QStringLiteral("Times New Roman"), 9, false, kBlack, x, 50, page};
}

inline void appendHeadings(QList<PrintedText>& texts,
                           const QList<std::pair<int, QString>>& headings, int y, int page) {
    for (const auto& [x, text] : headings)
        texts.append(tableText(text, true, kBlue, x, y, page));
}

inline void appendRows(QList<PrintedText>& texts, const QStringList& rows, int top, int page) {
    for (int n = 0; n < rows.size(); ++n)
        texts.append(tableText(rows[n], false, kBlack, 200, top + 300 * n, page));
}

// An unreadable set-up file is named, nothing is printed and the file is not created.
inline void expectNothingPrinted(const ScriptedPrompter& prompter, ScriptedPreview& preview,
                                 const QString& path) {
    ASSERT_EQ(prompter.prompts().size(), 1) << qPrintable(path);
    EXPECT_TRUE(prompter.prompts()[0].text.startsWith("ATTENZIONE: errore sul file " +
                                                      QDir::toNativeSeparators(path)))
        << qPrintable(prompter.prompts()[0].text);
    EXPECT_EQ(prompter.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(preview.printed().texts().isEmpty());
    EXPECT_EQ(preview.printed().documentsEnded(), 0);
    EXPECT_EQ(preview.setupsShown(), 0);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace korven::test
