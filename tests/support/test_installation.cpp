#include "support/test_installation.h"

#include <gtest/gtest.h>

namespace korven::test {

QByteArray field(const QByteArray& text, int size) {
    return text.leftJustified(size, ' ', true);
}

QByteArray int16Bytes(int value) {
    return QByteArray(1, char(value & 0xFF)) + QByteArray(1, char((value >> 8) & 0xFF));
}

QByteArray IdentityRecord::bytes() const {
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

QByteArray settingsRecord(const QByteArray& systemFile, const QByteArray& loggerBase,
                          const QByteArray& password, bool active) {
    EXPECT_LE(systemFile.size(), 45) << systemFile.constData();
    EXPECT_LE(loggerBase.size(), 45) << loggerBase.constData();
    QByteArray record(129, '\0');
    record.replace(17, 45, field(systemFile, 45));
    record.replace(62, 45, field(loggerBase, 45));
    record.replace(107, 20, password.size() == 20 ? password : field(password, 20));
    record.replace(127, 2, int16Bytes(active ? -1 : 0));
    return record;
}

QByteArray downloadPointerRecord(int lastBlock, const QByteArray& date, char fill) {
    QByteArray record(38, fill);
    record.replace(12, 2, int16Bytes(lastBlock));
    if (!date.isEmpty())
        record.replace(22, 10, field(date, 10));
    return record;
}

int downloadPointerOf(const QByteArray& record) {
    return record.size() < 14 ? -1 : quint8(record.at(12)) | quint8(record.at(13)) << 8;
}

QByteArray dataDirectoryRecord(const QByteArray& dataFileName) {
    return field(dataFileName, 100) + QByteArray(100, '\0');
}

QByteArray loggerParRecord(char acquisition, char autoSleep) {
    QByteArray record(39, ' ');
    record.replace(0, 2, "8 ");
    record.replace(4, 2, "00");
    record[6] = autoSleep;
    record[23] = acquisition;
    record.replace(30, 6, "ON OFF");
    return record;
}

QByteArray loggerChannelRecords() {
    QByteArray records;
    for (int channel = 0; channel < 8; ++channel)
        records += field("Canale " + QByteArray::number(channel), 35);
    return records;
}

void writeProgramFolder(const TempFolder& folder, char acquisition) {
    folder.write("config.dat", settingsRecord(folder.path("plant.stp").toLocal8Bit(),
                                              folder.path("logger").toLocal8Bit()));
    folder.write("plant.pas", IdentityRecord{}.bytes());
    folder.write("logger.par", loggerParRecord(acquisition));
    folder.write("logger.tmr", loggerChannelRecords());
}

} // namespace korven::test
