#pragma once

#include "link/link_rig.h"
#include "link/modem/connect_modem.h"
#include "link/modem/hang_up_modem.h"
#include "link/modem/modem_texts.h"
#include "support/recording_modem_reporter.h"

namespace korven::test {

// The link rig with a Hayes modem in front of the logger, a call to
// "0123456" by tones with three initialisation strings, COM 1 at 9600 baud.
struct ModemRig : LinkRig {
    explicit ModemRig(sim::ModemConfig config = {}, sim::LoggerConfig logger = {})
        : LinkRig(logger) {
        port.putModemInFront(config);
        call.port = {0, 2};
        call.modem.telephoneNumber = QStringLiteral("0123456").leftJustified(19);
        call.modem.status = 0;
        call.modem.initStrings = {QStringLiteral("AT&D0&K0&R1 "), QStringLiteral("AT&C0       "),
                                  QStringLiteral("ATX1        "), QString(12, u' ')};
        call.callerScreen = QStringLiteral("Form27");
    }

    ModemCallEnd connect() {
        auto conversation = link.startConversation();
        return connectModem(*conversation, call, state, reporter);
    }
    HangUpEnd hangUp() {
        auto conversation = link.startConversation();
        return hangUpModem(*conversation, state, reporter);
    }

    sim::HayesModem& modem() { return *port.modem(); }
    // What went out since write `from`.
    QList<QByteArray> writesFrom(qsizetype from) const { return port.writes().mid(from); }

    ModemCall call;
    ModemState state;
    RecordingModemReporter reporter;
};

// The modem's set-up and the dial of a call to "0123456" by tones.
inline const QList<QByteArray> kSettingUpAndDial = {"ATE0\r", "AT&D0&K0&R1\r", "AT&C0\r", "ATX1\r",
                                                    "atdt0123456\r"};

inline QList<QByteArray> wakeUpBytes() {
    return {kBurst, kBurst, kBurst, kBurst, kBurst, kBroadcast, "z\r"};
}

inline const QString kDialQuestion =
    QStringLiteral("Il modem comporrà il numero 0123456 \rProseguire?");

} // namespace korven::test
