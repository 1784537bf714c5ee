#pragma once

#include "support/temp_folder.h"

#include <QByteArray>

#include <gtest/gtest.h>

// The installation's files byte by byte, never through the code under test.
namespace korven::test {

// A field of `size` bytes: the text, blank-padded and cut to fit.
inline QByteArray field(const QByteArray& text, int size) {
    return text.leftJustified(size, ' ', true);
}
// A 16-bit word as the record files hold it, low byte first.
inline QByteArray int16Bytes(int value) {
    return QByteArray(1, char(value & 0xFF)) + QByteArray(1, char((value >> 8) & 0xFF));
}

// The identity record (".pas"): the number of loggers, the port ('0' to '3')
// and its speed ('0' to '2': 2400 to 9600 baud), and the modem: number,
// status ('0' activated), four initialisation strings, dialling ('0' tones).
struct IdentityRecord {
    QByteArray loggerCount;
    char comIndex = '0';
    char speedIndex = '2';
    QByteArray number;
    char status = ' ';
    QByteArray inits[4];
    char dialling = ' ';

    QByteArray bytes() const {
        QByteArray record(250, ' ');
        record.replace(12, 3, field(loggerCount, 3));
        record[35] = comIndex;
        record[36] = speedIndex;
        record.replace(37, 19, field(number, 19));
        record[56] = status;
        for (int n = 0; n < 4; ++n)
            record.replace(57 + 12 * n, 12, field(inits[n], 12));
        record[105] = dialling;
        return record;
    }
};

// "config.dat": the system and logger set-ups it names, and the password.
inline QByteArray settingsRecord(const QByteArray& systemFile, const QByteArray& loggerBase,
                                 const QByteArray& password = QByteArray(20, '\0'),
                                 bool active = false) {
    EXPECT_LE(systemFile.size(), 45) << systemFile.constData();
    EXPECT_LE(loggerBase.size(), 45) << loggerBase.constData();
    QByteArray record(129, '\0');
    record.replace(17, 45, field(systemFile, 45));
    record.replace(62, 45, field(loggerBase, 45));
    record.replace(107, 20, password.size() == 20 ? password : field(password, 20));
    record.replace(127, 2, int16Bytes(active ? -1 : 0));
    return record;
}

// ".PUN": the next download's first block and the last one's date, in `fill`.
inline QByteArray downloadPointerRecord(int lastBlock, const QByteArray& date = {},
                                        char fill = '\0') {
    QByteArray record(38, fill);
    record.replace(12, 2, int16Bytes(lastBlock));
    if (!date.isEmpty())
        record.replace(22, 10, field(date, 10));
    return record;
}
// The pointer of a ".PUN", from 0 to 65535.
inline int downloadPointerOf(const QByteArray& record) {
    return record.size() < 14 ? -1 : quint8(record.at(12)) | quint8(record.at(13)) << 8;
}

// ".DIR": the name of the last data file, then 100 unused bytes.
inline QByteArray dataDirectoryRecord(const QByteArray& dataFileName) {
    return field(dataFileName, 100) + QByteArray(100, '\0');
}

// The logger set-up: ".par" with eight channels, digital input 1 on, and the
// scan flags given ('0' or '1'); ".tmr" with "Canale 0" to "Canale 7".
inline QByteArray loggerParRecord(char acquisition, char autoSleep = '0') {
    QByteArray record(39, ' ');
    record.replace(0, 2, "8 ");
    record.replace(4, 2, "00");
    record[6] = autoSleep;
    record[23] = acquisition;
    record.replace(30, 6, "ON OFF");
    return record;
}
inline QByteArray loggerChannelRecords() {
    QByteArray records;
    for (int channel = 0; channel < 8; ++channel)
        records += field("Canale " + QByteArray::number(channel), 35);
    return records;
}

// A program folder: the system set-up "plant" on COM 1 at 9600 baud, the
// logger set-up "logger" above, and "config.dat" naming both.
inline void writeProgramFolder(const TempFolder& folder, char acquisition) {
    folder.write("config.dat", settingsRecord(folder.path("plant.stp").toLocal8Bit(),
                                              folder.path("logger").toLocal8Bit()));
    folder.write("plant.pas", IdentityRecord{}.bytes());
    folder.write("logger.par", loggerParRecord(acquisition));
    folder.write("logger.tmr", loggerChannelRecords());
}

} // namespace korven::test
