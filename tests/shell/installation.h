#pragma once

#include "support/test_installation.h"

#include <QByteArray>
#include <QString>

namespace korven::test {

// The shell tests' installation: recognisable values in every side file.
struct SampleInstallation {
    QString stem = QStringLiteral("plant");
    char comIndex = '1';
    char speedIndex = '2';
    char linkFlag = '0';
    QByteArray loggerCount = "3";
    qint16 lastBlock = 37;
    QByteArray lastDownloadDate = "01/02/2024";
    QByteArray dataFileName = "misure.prn";
};

// The ".stp" (a few recognisable records) and its three side files.
void writeInstallation(const TempFolder& folder, const SampleInstallation& installation = {});

void writeSettings(const TempFolder& folder, const QByteArray& record);

} // namespace korven::test
