#include "link/port_settings.h"

#include "system_setup/side_file_layouts.h"
#include "system_setup/system_setup_files.h"

namespace korven {

namespace {

constexpr int kSpeeds[] = {2400, 4800, 9600};
constexpr int kSpeedCount = sizeof kSpeeds / sizeof kSpeeds[0];

} // namespace

int PortSettings::baud() const {
    // A digit the screen cannot produce falls back on the speed a new system
    // set-up starts with.
    return speedIndex >= 0 && speedIndex < kSpeedCount ? kSpeeds[speedIndex] : kSpeeds[2];
}

QString PortSettings::lineSettings() const {
    return QStringLiteral("%1,n,8,2").arg(baud());
}

QString PortSettings::portText() const {
    return QStringLiteral("Com %1, %2").arg(portNumber()).arg(baud());
}

PortSettings portSettingsOf(const Record& identity) {
    return {comIndexOf(identity), speedIndexOf(identity)};
}

void storePortSettings(const PortSettings& settings, Record& identity) {
    identity.setText(IdentityLayout::comIndex, QString::number(settings.comIndex));
    identity.setText(IdentityLayout::speedIndex, QString::number(settings.speedIndex));
}

FileStatus readPortSettings(Installation& installation, PortSettings& settings) {
    Record& identity = installation.systemRecords.identity;
    const FileStatus status =
        RecordFile(identityFilePath(installation.systemFilePath), IdentityLayout::recordLength)
            .readExisting(1, identity);
    settings = portSettingsOf(identity);
    return status;
}

void configurePort(SerialPort& port, const PortSettings& settings) {
    if (port.isOpen())
        port.close();
    port.setPortNumber(settings.portNumber());
    port.setLineSettings(settings.lineSettings());
}

} // namespace korven
