#include "support/pdf_words.h"

#include <QProcess>
#include <QRegularExpression>

namespace korven::test {
namespace {

QString unescaped(QString text) {
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

PdfText readPdfText(const QString& pdfPath) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    PdfText result;
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return result;
    const QString xhtml = QString::fromUtf8(tool.readAllStandardOutput());

    static const QRegularExpression element(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" "
                       "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (const QRegularExpressionMatch& match : element.globalMatch(xhtml)) {
        if (match.capturedLength(1) > 0) {
            if (++result.pages == 1) {
                result.pageWidth = match.captured(1).toDouble();
                result.pageHeight = match.captured(2).toDouble();
            }
            continue;
        }
        result.words.append({unescaped(match.captured(7)), match.captured(3).toDouble(),
                             match.captured(4).toDouble(), match.captured(5).toDouble(),
                             match.captured(6).toDouble(), result.pages});
    }
    return result;
}

} // namespace korven::test
