#include "link/modem/modem_settings.h"

#include "platform/numeric_text.h"
#include "platform/windows1252.h"
#include "system_setup/side_file_layouts.h"

namespace korven {

namespace {

using L = IdentityLayout;

constexpr TextField kInitFields[ModemSettings::kInitStrings] = {L::modemInit1, L::modemInit2,
                                                                L::modemInit3, L::modemInit4};

// A field never written holds zero bytes: nothing to send, and nothing to
// show either.
QString withoutZeroBytes(const QString& text) {
    return QString(text).remove(QChar(u'\0'));
}

} // namespace

QByteArray ModemSettings::dialledNumber() const {
    return toWindows1252(withoutZeroBytes(telephoneNumber).trimmed());
}

QString ModemSettings::announcedNumber() const {
    const QString number = withoutZeroBytes(telephoneNumber);
    const qsizetype blank = number.indexOf(u' ');
    return blank < 0 ? number : number.left(blank + 1);
}

QByteArray ModemSettings::initString(int n) const {
    return toWindows1252(withoutZeroBytes(initStrings.at(n)).trimmed());
}

ModemSettings modemSettingsOf(const Record& identity) {
    ModemSettings settings;
    settings.telephoneNumber = identity.text(L::telephoneNumber);
    settings.status = digitValue(identity.text(L::linkFlag));
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        settings.initStrings[n] = identity.text(kInitFields[n]);
    settings.dialling = digitValue(identity.text(L::dialling));
    return settings;
}

void storeModemSettings(const ModemSettings& settings, Record& identity) {
    identity.setText(L::linkFlag, QString::number(settings.status));
    identity.setText(L::telephoneNumber, settings.telephoneNumber);
    for (int n = 0; n < ModemSettings::kInitStrings; ++n)
        identity.setText(kInitFields[n], settings.initStrings[n]);
    identity.setText(L::dialling, QString::number(settings.dialling));
}

bool isModemActivated(const Record& identity) {
    return identity.text(L::linkFlag) != u"1";
}

} // namespace korven
