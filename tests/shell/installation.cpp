#include "installation.h"

namespace korven::test {

void writeInstallation(const TempFolder& folder, const SampleInstallation& installation) {
    IdentityRecord identity;
    identity.loggerCount = installation.loggerCount;
    identity.comIndex = installation.comIndex;
    identity.speedIndex = installation.speedIndex;
    identity.number = "0212345678";
    identity.status = installation.linkFlag;
    identity.inits[0] = "AT&D0&K0&R1";
    QByteArray pointer =
        downloadPointerRecord(installation.lastBlock, installation.lastDownloadDate);
    pointer.replace(0, 12, "carried-over");
    folder.write(installation.stem + ".stp", QByteArray(10 * 75, 'S'));
    folder.write(installation.stem + ".pas", identity.bytes());
    folder.write(installation.stem + ".PUN", pointer);
    folder.write(installation.stem + ".DIR", dataDirectoryRecord(installation.dataFileName));
}

void writeSettings(const TempFolder& folder, const QByteArray& record) {
    folder.write(QStringLiteral("config.dat"), record);
}

} // namespace korven::test
