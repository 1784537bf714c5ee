#pragma once

#include "brain_driver.h"
#include "sim/hayes_modem.h"

namespace korven::sim::test {

// A Hayes modem with a logger behind it, both on a clock the test moves.
class ModemDriver {
public:
    explicit ModemDriver(ModemConfig config = {})
        : logger({}, [this] { return marchFifth().addMSecs(nowMs); }),
          modem(config, logger, [this] { return nowMs; }) {
        const auto keep = [this](EventTopic, const QByteArray& text) { events.append(text); };
        logger.setEventSink(keep);
        modem.setEventSink(keep);
    }

    qint64 nowMs = 0;
    LoggerBrain logger;
    HayesModem modem;
    QList<QByteArray> events;

    // Everything sent in answer to `bytes`, joined.
    QByteArray send(const QByteArray& bytes) { return BrainDriver::joined(modem.receive(bytes)); }
    // Lets `ms` pass and gives what the modem sent on its own meanwhile.
    QByteArray wait(qint64 ms) {
        nowMs += ms;
        return BrainDriver::joined(modem.takeDue());
    }
    // Echo off, a call dialled and connected.
    void connect() {
        send("ATE0\r");
        send("ATDT0123\r");
        wait(*modem.nextDueMs() - nowMs);
    }
};

} // namespace korven::sim::test
