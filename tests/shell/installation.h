#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QString>

namespace korven::test {

// A small installation laid out byte by byte from the record layouts, so that
// the tests never lean on the code they check.
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

// A field of `size` bytes: the text, blank-padded.
QByteArray field(const QByteArray& text, int size);
QByteArray int16Bytes(qint16 value);

QByteArray identityRecord(const SampleInstallation& installation);
QByteArray downloadPointerRecord(const SampleInstallation& installation);
QByteArray dataDirectoryRecord(const SampleInstallation& installation);

// The ".stp" (a few recognisable records) and its three side files.
void writeInstallation(const TempFolder& folder, const SampleInstallation& installation = {});

// "config.dat" naming a system set-up and a logger set-up in the folder, and
// a password with its state.
QByteArray settingsRecord(const QByteArray& systemFile, const QByteArray& loggerBase,
                          const QByteArray& password = QByteArray(20, '\0'), bool active = false);
void writeSettings(const TempFolder& folder, const QByteArray& record);

} // namespace korven::test
