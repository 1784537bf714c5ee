#include "installation.h"

namespace korven::test {

QByteArray field(const QByteArray& text, int size) {
    return text.leftJustified(size, ' ', true);
}

QByteArray int16Bytes(qint16 value) {
    const auto bits = static_cast<quint16>(value);
    return QByteArray(1, char(bits & 0xFF)) + QByteArray(1, char(bits >> 8));
}

QByteArray identityRecord(const SampleInstallation& installation) {
    QByteArray record(250, '\0');
    record.replace(0, 12, "000000000000");
    record.replace(12, 3, field(installation.loggerCount, 3));
    record[35] = installation.comIndex;
    record[36] = installation.speedIndex;
    record.replace(37, 19, field("0212345678", 19));
    record[56] = installation.linkFlag;
    record.replace(57, 12, field("AT&D0&K0&R1", 12));
    return record;
}

QByteArray downloadPointerRecord(const SampleInstallation& installation) {
    QByteArray record(38, '\0');
    record.replace(0, 12, "carried-over");
    record.replace(12, 2, int16Bytes(installation.lastBlock));
    record.replace(22, 10, installation.lastDownloadDate);
    return record;
}

QByteArray dataDirectoryRecord(const SampleInstallation& installation) {
    return field(installation.dataFileName, 100) + QByteArray(100, '\0');
}

void writeInstallation(const TempFolder& folder, const SampleInstallation& installation) {
    folder.write(installation.stem + ".stp", QByteArray(10 * 75, 'S'));
    folder.write(installation.stem + ".pas", identityRecord(installation));
    folder.write(installation.stem + ".PUN", downloadPointerRecord(installation));
    folder.write(installation.stem + ".DIR", dataDirectoryRecord(installation));
}

QByteArray settingsRecord(const QByteArray& systemFile, const QByteArray& loggerBase,
                          const QByteArray& password, bool active) {
    QByteArray record(129, '\0');
    record.replace(17, 45, field(systemFile, 45));
    record.replace(62, 45, field(loggerBase, 45));
    record.replace(107, 20, password.size() == 20 ? password : field(password, 20));
    record.replace(127, 2, int16Bytes(active ? -1 : 0));
    return record;
}

void writeSettings(const TempFolder& folder, const QByteArray& record) {
    folder.write(QStringLiteral("config.dat"), record);
}

} // namespace korven::test
