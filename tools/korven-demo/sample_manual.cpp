#include "sample_manual.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace korven::demo {
namespace {

constexpr char16_t kManual[] = uR"(
<h1>Manuale d'uso KORVEN</h1>
<p>Versione dimostrativa: descrive in breve i menu del programma.</p>
<h2>File</h2>
<p><b>Sistema</b> sceglie o crea il file di impostazione del sistema (.stp) e i suoi file
accessori; <b>KORVEN</b> sceglie o crea l'impostazione del logger (.tmr e .par).</p>
<h2>Configurazione</h2>
<p><b>Sistema &gt; Seriale</b> imposta porta e velocità; <b>Sistema &gt; Generale</b> il numero
di logger e l'ultimo blocco scaricato; <b>Password</b> attiva, disattiva o modifica la password
che protegge le impostazioni del logger.</p>
<h2>Lettura canali e Scarico dati</h2>
<p>Leggono i canali dal logger collegato e scaricano i blocchi di memoria in una tabella.</p>
<h2>Attivazione Modem</h2>
<p>Collega un logger remoto attraverso una coppia di modem Hayes.</p>
)";

} // namespace

bool writeSampleManual(const QString& programFolder) {
    QPdfWriter pdf(QDir(programFolder).filePath(QStringLiteral("KORVENmanuale_1x.pdf")));
    pdf.setTitle(QStringLiteral("Manuale d'uso KORVEN"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(96);
    QTextDocument text;
    text.setHtml(QString::fromUtf16(kManual));
    text.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    text.drawContents(&painter);
    return painter.end();
}

} // namespace korven::demo
