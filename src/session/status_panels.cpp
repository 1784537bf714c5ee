#include "session/status_panels.h"

#include "session/status_texts.h"
#include "system_setup/side_file_layouts.h"

namespace korven {

void showDownloadPointer(StatusTexts& status, const Record& downloadPointer) {
    using L = DownloadPointerLayout;
    status.setText(
        StatusTexts::LastBlock,
        QStringLiteral("Ultimo Blocco: %1").arg(downloadPointer.unsignedInteger(L::lastBlock)));
    status.setText(StatusTexts::LastDownloadDate, QStringLiteral("Data Ultimo scarico: ") +
                                                      downloadPointer.text(L::lastDownloadDate));
}

void showSystemFile(StatusTexts& status, const QString& systemFilePath) {
    status.setText(StatusTexts::SystemFile, QStringLiteral("File sistema: ") + systemFilePath);
}

void showLoggerFile(StatusTexts& status, const QString& loggerSetupPath) {
    status.setText(StatusTexts::LoggerFile,
                   QStringLiteral("file KORVEN: ") + loggerSetupPath + QStringLiteral(".tmr"));
}

} // namespace korven
