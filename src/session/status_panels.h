#pragma once

#include "platform/record.h"

#include <QString>

namespace korven {

class StatusTexts;

// The status texts that show the current installation, set alike by the
// start-up loader and by the commands that choose the set-up files.

// "Ultimo Blocco: " and "Data Ultimo scarico: " from the download-pointer record.
void showDownloadPointer(StatusTexts& status, const Record& downloadPointer);
// "File sistema: " + the system set-up path.
void showSystemFile(StatusTexts& status, const QString& systemFilePath);
// "file KORVEN: " + the logger set-up base path + ".tmr".
void showLoggerFile(StatusTexts& status, const QString& loggerSetupPath);

} // namespace korven
